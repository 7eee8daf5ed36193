#include "shell/cerca_page.h"

namespace sillabor::shell {

TCercaloPage::TCercaloPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Cercalo", parent) { AddPlaceholder(); }

QString TCercaloPage::StartCaption() const { return "Trova"; }

QStringList TCercaloPage::HelpKeys() const { return CategoryHelpKeys(category_); }

QStringList TCercaloPage::CategoryHelpKeys(int category) {
    QStringList keys{"CERCA" + QString::number(category)};
    if (category >= 0 && category <= 3) keys << "SpiegaGiochi";
    return keys;
}

}  // namespace sillabor::shell
