#include "shell/decrit_page.h"

namespace sillabor::shell {

TDecritPage::TDecritPage(App& app, QWidget* parent) : TGamePage(app, GameInfo{kGameCrypto, "Decrit", "Numeri", ""}, parent) { AddPlaceholder(); }

}  // namespace sillabor::shell
