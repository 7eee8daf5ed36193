#pragma once
// The "Trova" page: lists of games drawn from the whole dictionary.

#include "shell/game_page.h"
#include "shell/widget_helpers.h"
#include "trova/trova_request.h"

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

class TrovaPage : public GamePage {
    Q_OBJECT

public:
    TrovaPage(App& app, TrovaGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Cerca"; }
    bool CanStart() const override { return true; }
    // The chosen game of the list; JobFor binds the request the controls make
    // for it, or for a button's game, and has the game check it.
    bool PrepareSearch(int& game, int& option) override;
    SearchJob JobFor(int game, int option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;

    QButtonGroup* gameList;
    QGroupBox* lengthBox;
    QLineEdit* minLength;
    QLineEdit* maxLength;
    QCheckBox* alsoLast;
    QCheckBox* lettersAsked;
    QLineEdit* letterFrom;
    QLabel* letterArrow;
    QLineEdit* letterTo;
    QPushButton* chainedCharadesButton;
    QPushButton* charadesButton;
    QPushButton* anagramsButton;
    QPushButton* hingesButton;
    QPushButton* interleavesButton;
    QPushButton* padlocksButton;

private:
    void BuildLayout();
    // The request the controls make for `game`.
    TrovaRequest Request(int game) const;
    // Shows the controls the chosen game uses.
    void ApplyLook();
    // The six buttons: their game at once (it takes no lengths or letters).
    void ButtonGameClick(int option);

    TrovaGame& game_;
};

}  // namespace sillabor::shell
