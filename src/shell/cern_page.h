#pragma once
// The "Cern" page: words chosen from a set of letters as the user types. Its
// handlers run the selection on the window thread at every change; the page
// starts no search.

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
    QList<QWidget*> TextFields() const override { return {cernIn, cernGoal}; }
    // Brings the parity masks up to date with the dictionary, selects the
    // "Trovati" status and shows what the chosen mode gives.
    void PageShown() override;

    QLineEdit* cernIn;
    QLineEdit* cernOut;
    QButtonGroup* RadioCern;
    QLabel* cernGoalLab;
    QLineEdit* cernGoal;
    QPushButton* CernCanc;

private:
    void cernInChange();
    void cernGoalChange();
    void RadioCernClick();
    void CernCancClick();
    void Show(const CernShown& shown);

    CernGame& game_;
    FieldBinding<CernControls> binding_;
};

}  // namespace sillabor::shell
