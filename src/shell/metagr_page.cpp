#include "shell/metagr_page.h"

namespace sillabor::shell {

TMetagramPage::TMetagramPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Metagram", parent) { AddPlaceholder(); }

QString TMetagramPage::StartCaption() const { return "Trova"; }
QStringList TMetagramPage::HelpKeys() const { return {"METAGRAMMI"}; }

}  // namespace sillabor::shell
