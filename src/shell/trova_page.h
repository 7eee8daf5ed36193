#pragma once
// The "Trova" page: lists of games drawn from the whole dictionary.

#include "shell/game_page.h"
#include "shell/widget_helpers.h"
#include "trova/trova_state.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor {
class TrovaGame;
}

namespace sillabor::shell {

class TTrovaPage : public TGamePage {
    Q_OBJECT

public:
    TTrovaPage(App& app, TrovaGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Cerca"; }
    bool CanStart() const override { return true; }
    // Hands the controls to the search; the search checks the lengths and letters.
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;

    QButtonGroup* CreaQuale;
    QGroupBox* GroupBox2;
    QLineEdit* EdCrLuMin;
    QLineEdit* EdCrLuMax;
    QCheckBox* AncheFinale;
    QCheckBox* TuttiCambi;
    QLineEdit* CambioDa;
    QLabel* Freccia;
    QLineEdit* CambioA;
    QPushButton* BotSciaInc;
    QPushButton* BotScia;
    QPushButton* BotAna;
    QPushButton* BotCern;
    QPushButton* BotInta;
    QPushButton* BotLucc;

private:
    void BuildLayout();
    void ReadControls();
    // CreaQualeClick and TuttiCambiClick: the controls the chosen game uses.
    void ApplyLook();
    // The six buttons: their game at once, without the length and letter fields.
    void BotCreaClick(int option);

    TrovaGame& game_;
    FieldBinding<TrovaControls> binding_;
};

}  // namespace sillabor::shell
