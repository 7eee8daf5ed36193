#pragma once
// The "Dizio" page: choose, load, rebuild and export dictionaries.

#include "shell/game_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace sillabor {
class DizioGame;
}

namespace sillabor::shell {

class DizioPage : public GamePage {
    Q_OBJECT

public:
    DizioPage(App& app, DizioGame& game, QWidget* parent = nullptr);

    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override;

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

    DizioGame& game_;
};

}  // namespace sillabor::shell
