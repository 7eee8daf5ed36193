#pragma once
// The "Curio" page: thirty buttons, each starting one report on the
// dictionary's curiosities.

#include <array>
#include <memory>

#include "curio/curio_request.h"
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
    SearchJob JobFor(int game, int option) override;
    // Shows the "micro" button's next caption.
    void SearchEnded() override;

    // The report buttons, in the page's order.
    std::array<QPushButton*, 30> reportButtons;

public slots:
    // The buttons' shared click: starts the report of the button that sent it.
    void ReportButtonClick();

private:
    CurioGame& game_;
    // What the last run gave back; read only after its search has ended.
    std::shared_ptr<CurioResult> result_;
};

}  // namespace sillabor::shell
