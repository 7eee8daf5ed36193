#pragma once
// The "Parole" page: the dictionary words that pass a length range, a letter
// budget, required and forbidden groups and two patterns joined by "e" or "o".
//
// The page keeps its ParoleControls record equal to its controls at
// every edit, because the anagram engine applies the same filters from another
// page; after a search it shows the record again, with the texts the filter
// setup normalised.

#include "patterns/parole_page_record.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor {
class ParoleGame;
}

namespace sillabor::shell {

class ParolePage : public GamePage {
    Q_OBJECT

public:
    ParolePage(App& app, ParoleGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Cerca"; }
    bool CanStart() const override { return true; }
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;
    void PageShown() override { ShowRecord(); }
    void SearchEnded() override { ShowRecord(); }
    // tickTimer, while no search runs: one step of the ticker.
    void IdleTick() override;

    QCheckBox* SoloBx;
    QLineEdit* SoloEd;
    QLineEdit* EdObbligati;
    QLineEdit* EdProibiti;
    QLabel* StaticGruppi;
    QLabel* Label6;
    QLineEdit* EdMiLun;
    QLineEdit* EdMxLun;
    QLineEdit* Pattern;
    QLineEdit* Pattern2;
    QPushButton* BuSodd1;
    QPushButton* BuSodd2;
    QPushButton* EOBott;
    QPushButton* ButClear;
    QLabel* SpiegaPar;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls -> record.
    void ReadControls();
    // Record -> controls.
    void ShowRecord();
    void BuSoddClick(QPushButton* button);
    void EOBottClick();
    void ButClearClick();
    void SpiegaParClick();

    ParoleGame& game_;
    ParoleControls& page_;
    FieldBinding<ParoleControls> binding_;
    int spiegaOffset_ = 0;
    bool showingRecord_ = false;
};

}  // namespace sillabor::shell
