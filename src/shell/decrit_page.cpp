#include "shell/decrit_page.h"

namespace sillabor::shell {

TNumeriPage::TNumeriPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Numeri", parent) { AddPlaceholder(); }

QString TNumeriPage::StartCaption() const { return "Decritta"; }
QStringList TNumeriPage::HelpKeys() const { return {"DECRITTA"}; }

}  // namespace sillabor::shell
