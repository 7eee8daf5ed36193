#pragma once
// The "Curio" page: curiosities and statistics of the dictionary.

#include "shell/game_page.h"

namespace sillabor::shell {

class TCurioPage : public TGamePage {
    Q_OBJECT

public:
    explicit TCurioPage(App& app, QWidget* parent = nullptr);
    // The reports have their own buttons; "Genera" stays as it was.
    StartButton StartButtonMode() const override { return StartButton::Unchanged; }
    QStringList HelpKeys() const override { return {"CURIO"}; }
};

}  // namespace sillabor::shell
