#pragma once
// The "Decrit" page: cryptograms solved ("Decritta") and made ("Critta"): the
// maker enciphers DecriMe through a panel of 26 letter boxes at every change.

#include <array>

#include "decrit/cipher_text.h"
#include "decrit/decrit_state.h"
#include "shell/game_page.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace sillabor {
class DecritGame;
}

namespace sillabor::shell {

class DecritPage : public GamePage {
    Q_OBJECT

public:
    DecritPage(App& app, DecritGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Decritta"; }
    bool CanStart() const override { return true; }
    bool PrepareSearch(int& game, int& option) override;
    QStringList HelpKeys() const override;
    // Sets the page up for its mode, re-enciphering in "Critta" mode.
    void PageShown() override;
    // Shows the solver's one-word-a-line DecriMe; the maker may re-encipher again.
    void SearchEnded() override;

    QRadioButton* RadioDecri;
    QRadioButton* RadioCri;
    QPlainTextEdit* DecriMe;
    QPushButton* CancBut;
    QLabel* HlpDecri;
    QWidget* PanCri;
    std::array<QLineEdit*, kAlphabetSize> St{};  // the plain letters, "Da:"
    std::array<QLineEdit*, kAlphabetSize> Ed{};  // their images, "a:"
    QPushButton* CriNulla;
    QPushButton* CriSpecchio;
    QPushButton* CriRand;
    QPushButton* CriRuota;
    QPushButton* CriInv;
    QPushButton* CriCoppie;
    QPushButton* BuNum1;
    QPushButton* BuNum2;

protected:
    // Arrow keys and clicks in the letter boxes; Ctrl+Enter in DecriMe.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanel();
    void BuildLayout();
    // Controls -> the game's record.
    void ReadPage();
    void RadioDecriClick();
    void DecriMeChange();
    void CancButClick();
    void BoxEdited(int box);
    void FocusBox(int box);
    // A button's new substitution into the boxes, then the text enciphered anew.
    void SetBoxes(const CipherBoxes& boxes);
    void Encipher();
    void NumericClick(NumericForm form);
    void CoppieClick();

    DecritGame& game_;
    // Set while the boxes are rewritten and while "Coppie?" runs: no re-enciphering then.
    bool crittaBusy_ = false;
    QGridLayout* grid_ = nullptr;
    QHBoxLayout* panelRow_ = nullptr;
    QWidget* crittaButtons_ = nullptr;
};

}  // namespace sillabor::shell
