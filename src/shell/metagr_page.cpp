#include "shell/metagr_page.h"

namespace sillabor::shell {

TMetagrPage::TMetagrPage(App& app, QWidget* parent) : TGamePage(app, GameInfo{kGameLadder, "Metagr", "Metagram", "Metagr.txt"}, parent) { AddPlaceholder(); }

}  // namespace sillabor::shell
