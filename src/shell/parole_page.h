#pragma once
// The "Parole" page: words matching two patterns.

#include "shell/game_page.h"

namespace sillabor::shell {

class TParolePage : public TGamePage {
    Q_OBJECT

public:
    explicit TParolePage(Workbench& wb, QWidget* parent = nullptr);
    QString StartCaption() const override;
    QStringList HelpKeys() const override;
};

}  // namespace sillabor::shell
