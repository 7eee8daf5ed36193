#pragma once
// The "Trova" page: lists of games drawn from the whole dictionary.

#include "shell/game_page.h"

namespace sillabor::shell {

class TCrealoPage : public TGamePage {
    Q_OBJECT

public:
    explicit TCrealoPage(Workbench& wb, QWidget* parent = nullptr);
    QString StartCaption() const override;
    QStringList HelpKeys() const override;
};

}  // namespace sillabor::shell
