#pragma once
// The "Metagr" page: word ladders between two words.

#include "shell/game_page.h"

namespace sillabor::shell {

class TMetagramPage : public TGamePage {
    Q_OBJECT

public:
    explicit TMetagramPage(Workbench& wb, QWidget* parent = nullptr);
    QString StartCaption() const override;
    QStringList HelpKeys() const override;
};

}  // namespace sillabor::shell
