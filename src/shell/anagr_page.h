#pragma once
// The "Anagr" page: anagrams of a phrase, less an optional fixed part printed
// in front of every result.

#include "anagr/anagr_state.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor {
class AnagrGame;
}

namespace sillabor::shell {

class AnagrPage : public GamePage {
    Q_OBJECT

public:
    AnagrPage(App& app, AnagrGame& game, QWidget* parent = nullptr);

    bool CanStart() const override;
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;
    bool WrapsOutput() const override;
    void PageShown() override;
    void SearchEnded() override;

    // The controls as a record, as the search reads them.
    AnagrControls Values() const;

    QLineEdit* Frase;
    QLabel* NumLet;
    QLineEdit* Fissa;
    QLabel* NumFis;
    QComboBox* MinWoLun;
    QComboBox* ParoMin;
    QComboBox* ParoMax;
    QCheckBox* SchemaBx;
    QLineEdit* SchemEd;
    QCheckBox* Mescola;
    QCheckBox* FiltraGram;
    QComboBox* FiltraCome;
    QCheckBox* ACapo;
    QCheckBox* Compatta;
    QLabel* TotParoleLab;
    QPushButton* MostraIn;

private:
    void BuildLayout();
    // Hands the controls to the search (window thread, no search running).
    void StoreValues();
    void FraseChange();
    void FissaChange();
    void ApplyVisibility();
    void SchemaBxClick();
    void ParoMinClick();
    void ParoMaxClick();
    void FiltraGramClick();
    void ACapoClick();
    void MostraInClick();

    AnagrGame& game_;
    FieldBinding<AnagrControls> binding_;
    // The three lists with their captions.
    QWidget* minWoLunBox_;
    QWidget* paroMinBox_;
    QWidget* paroMaxBox_;
};

}  // namespace sillabor::shell
