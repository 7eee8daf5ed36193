#pragma once
// The "Decrit" page: solving and making cryptograms.

#include "shell/game_page.h"

namespace sillabor::shell {

class TNumeriPage : public TGamePage {
    Q_OBJECT

public:
    explicit TNumeriPage(Workbench& wb, QWidget* parent = nullptr);
    QString StartCaption() const override;
    QStringList HelpKeys() const override;
};

}  // namespace sillabor::shell
