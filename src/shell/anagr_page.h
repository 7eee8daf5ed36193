#pragma once
// The "Anagr" page: anagrams of a phrase.

#include "shell/game_page.h"

namespace sillabor::shell {

class TAnagrammiPage : public TGamePage {
    Q_OBJECT

public:
    explicit TAnagrammiPage(Workbench& wb, QWidget* parent = nullptr);
    QStringList HelpKeys() const override;
};

}  // namespace sillabor::shell
