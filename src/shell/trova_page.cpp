#include "shell/trova_page.h"

namespace sillabor::shell {

TTrovaPage::TTrovaPage(App& app, QWidget* parent) : TGamePage(app, GameInfo{kGameTrova, "Trova", "Crealo", "Trova.txt"}, parent) { AddPlaceholder(); }

}  // namespace sillabor::shell
