#include "shell/parole_page.h"

namespace sillabor::shell {

TParolePage::TParolePage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Parole", parent) { AddPlaceholder(); }

QString TParolePage::StartCaption() const { return "Cerca"; }
QStringList TParolePage::HelpKeys() const { return {"PAROLE"}; }

}  // namespace sillabor::shell
