#pragma once
// The "Dizio" page: choose, load, rebuild and export dictionaries.

#include "shell/game_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace sillabor::shell {

class TDizionariPage : public TGamePage {
    Q_OBJECT

public:
    explicit TDizionariPage(Workbench& wb, QWidget* parent = nullptr);

    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override { return {"DIZIO"}; }

    // Fills DizBox from the last scan of Dizionari/.
    void ShowDictionaryList();

    QComboBox* DizBox;
    QPushButton* CaricaB;
    QPushButton* AggDizB;
    QCheckBox* ChkCase;
    QCheckBox* ChkApo;
    QCheckBox* ChkMeno;
    QButtonGroup* ExpoOrd;
    QPushButton* ExpoBtn;
    QPushButton* AggLBut;
    QPushButton* ApriDirB;

private:
    // Names the selected dictionary for the next load; false when none is selected.
    bool TakeSelection();
    void CaricaBClick();
    void AggDizBClick();
    void ExpoBtnClick();
    void AggLButClick();
    void ApriDirBClick();
};

}  // namespace sillabor::shell
