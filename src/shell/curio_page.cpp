#include "shell/curio_page.h"

namespace sillabor::shell {

TInfoPage::TInfoPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Info", parent) { AddPlaceholder(); }

QStringList TInfoPage::HelpKeys() const { return {"CURIO"}; }

}  // namespace sillabor::shell
