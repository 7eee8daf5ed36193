#include "shell/trova_page.h"

namespace sillabor::shell {

TCrealoPage::TCrealoPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Crealo", parent) { AddPlaceholder(); }

QString TCrealoPage::StartCaption() const { return "Cerca"; }
QStringList TCrealoPage::HelpKeys() const { return {"CREA", "SpiegaGiochi"}; }

}  // namespace sillabor::shell
