#include "shell/curio_page.h"

namespace sillabor::shell {

TCurioPage::TCurioPage(App& app, QWidget* parent) : TGamePage(app, GameInfo{kGameCurio, "Curio", "Info", "Curio.txt"}, parent) { AddPlaceholder(); }

}  // namespace sillabor::shell
