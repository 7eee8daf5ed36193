#pragma once
// The "Cern" page: words chosen from a set of letters as the user types. It
// asks the game on the window thread at every change; the page starts no
// search.

#include "cern/cern_game.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor::shell {

class CernPage : public GamePage {
    Q_OBJECT

public:
    CernPage(App& app, CernGame& game, QWidget* parent = nullptr);

    // The page works on the window thread: no "Genera", no "Stop !".
    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override { return ToQStringList(game_.HelpKeys()); }
    bool WrapsOutput() const override { return true; }
    QList<QWidget*> TextFields() const override { return {baseField, goalField}; }
    // Brings the parity masks up to date with the dictionary, selects the
    // "Trovati" status and shows what the chosen mode gives.
    void PageShown() override;

    // The request as the controls hold it.
    CernRequest Request() const;

    QLineEdit* baseField;
    QLineEdit* selectionField;
    QButtonGroup* modeGroup;
    QLabel* goalLabel;
    QLineEdit* goalField;
    QPushButton* clearButton;

private:
    void BaseEdited();
    void GoalEdited();
    void ModeClicked();
    // Empties the base, and the goal in the second mode.
    void ClearClicked();
    void Show(const CernResult& result);

    CernGame& game_;
};

}  // namespace sillabor::shell
