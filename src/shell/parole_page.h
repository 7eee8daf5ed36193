#pragma once
// The "Parole" page: the dictionary words that pass a length range, a letter
// budget, required and forbidden groups and two patterns joined by "e" or "o".
//
// The anagram page applies the same filters: it reads them from this page's
// controls, and gives back the texts as the filters read them.

#include <memory>

#include "parole/parole_game.h"
#include "patterns/parole_request.h"
#include "shell/game_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor::shell {

class ParolePage : public GamePage {
    Q_OBJECT

public:
    ParolePage(App& app, ParoleGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Cerca"; }
    bool CanStart() const override { return true; }
    bool PrepareSearch(int& game, int& option) override;
    SearchJob JobFor(int game, int option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;
    // The fields show their texts as the search read them.
    void SearchEnded() override;
    // tickTimer, while no search runs: one step of the ticker.
    void IdleTick() override;

    // The request the controls make.
    ParoleRequest Request() const;
    // Shows the texts of the letter, group and pattern fields as a search read them.
    void ShowReadFields(const ParoleRequest& read);

    QCheckBox* onlyLettersBox;
    QLineEdit* lettersField;
    QLineEdit* requiredGroups;
    QLineEdit* forbiddenGroups;
    QLabel* groupsHint;
    QLabel* lengthCaption;
    QLineEdit* minLength;
    QLineEdit* maxLength;
    QLineEdit* firstPattern;
    QLineEdit* secondPattern;
    QPushButton* firstModeButton;
    QPushButton* secondModeButton;
    QPushButton* joinButton;
    QPushButton* clearButton;
    QLabel* syntaxTicker;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every control shows the request's value.
    void ShowRequest(const ParoleRequest& request);
    // A mode button's next mode.
    void ModeButtonClicked(QPushButton* button);
    void JoinButtonClicked();
    // "C": every control back to its first value, and the ticker shown again.
    void ClearClicked();

    ParoleGame& game_;
    std::shared_ptr<ParoleResult> result_;
    int tickerOffset_ = 0;
};

}  // namespace sillabor::shell
