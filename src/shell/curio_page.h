#pragma once
// The "Curio" page: thirty buttons, each starting one report on the
// dictionary's curiosities.

#include <array>

#include "shell/game_page.h"

class QPushButton;

namespace sillabor {
class CurioGame;
}

namespace sillabor::shell {

class CurioPage : public GamePage {
    Q_OBJECT

public:
    CurioPage(App& app, CurioGame& game, QWidget* parent = nullptr);

    // The reports have their own buttons; "Genera" stays as it was.
    StartButton StartButtonMode() const override { return StartButton::Unchanged; }
    QStringList HelpKeys() const override;
    void SearchEnded() override;

    // But_0 ... But_29, in the page's order.
    std::array<QPushButton*, 30> Buttons;

public slots:
    // The buttons' shared click: starts the report of the button that sent it.
    void CurioButtonClick();

private:
    CurioGame& game_;
};

}  // namespace sillabor::shell
