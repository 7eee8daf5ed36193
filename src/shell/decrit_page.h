#pragma once
// The "Decrit" page: cryptograms solved ("Decritta") and made ("Critta"): the
// maker enciphers the text through a panel of 26 letter boxes at every change.

#include <array>
#include <memory>
#include <string>

#include "decrit/cipher_text.h"
#include "decrit/decrit_request.h"
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
    SearchJob JobFor(int game, int option) override;
    // The maker's section in "Critta" mode, the solver's otherwise.
    QStringList HelpKeys() const override;
    // Sets the page up for its mode, re-enciphering in "Critta" mode.
    void PageShown() override;
    // Shows the text as the solver read it; the maker may re-encipher again.
    void SearchEnded() override;

    QRadioButton* solveMode;  // "Decritta"
    QRadioButton* makeMode;   // "Critta"
    QPlainTextEdit* cryptogramField;
    QPushButton* clearButton;
    QLabel* solverHelp;
    QWidget* boxPanel;
    std::array<QLineEdit*, kAlphabetSize> plainBoxes{};  // the plain letters, "Da:"
    std::array<QLineEdit*, kAlphabetSize> imageBoxes{};  // their images, "a:"
    QPushButton* identityButton;
    QPushButton* mirrorButton;
    QPushButton* randomButton;
    QPushButton* rotateButton;
    QPushButton* invertButton;
    QPushButton* pairsButton;
    QPushButton* numbers1Button;
    QPushButton* numbers2Button;

protected:
    // Arrow keys and clicks in the letter boxes; Ctrl+Enter in the text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanel();
    void BuildLayout();
    // The text and the substitution as the page shows them.
    std::string Text() const;
    CipherBoxes Boxes() const;
    // Shows the controls of the chosen mode, and enciphers in "Critta" mode.
    void ApplyMode();
    void TextChanged();
    void ClearClick();
    void BoxEdited(int box);
    void FocusBox(int box);
    // A button's new substitution into the boxes, then the text enciphered anew.
    void SetBoxes(const CipherBoxes& boxes);
    void Encipher();
    void NumericClick(NumericForm form);
    void PairsClick();

    DecritGame& game_;
    // What the last search gave back; read only after it has ended.
    std::shared_ptr<DecritResult> result_;
    // The kind of substitution the last "A Caso" made.
    int randomKind_ = 0;
    // Set while the boxes are rewritten and while "Coppie?" runs: no re-enciphering then.
    bool makerBusy_ = false;
    QGridLayout* grid_ = nullptr;
    QHBoxLayout* panelRow_ = nullptr;
    QWidget* makerButtons_ = nullptr;
};

}  // namespace sillabor::shell
