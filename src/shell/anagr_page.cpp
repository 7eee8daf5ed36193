#include "shell/anagr_page.h"

namespace sillabor::shell {

TAnagrammiPage::TAnagrammiPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Anagrammi", parent) { AddPlaceholder(); }

QStringList TAnagrammiPage::HelpKeys() const { return {"ANAGRAMMA"}; }

}  // namespace sillabor::shell
