#pragma once
// The "Metagr" page: word ladders between two words.

#include "metagr/metagr_state.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace sillabor {
class MetagrGame;
}

namespace sillabor::shell {

class MetagrPage : public GamePage {
    Q_OBJECT

public:
    MetagrPage(App& app, MetagrGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Trova"; }
    bool CanStart() const override { return true; }
    // Normalises both words and writes them back into the fields; JobFor
    // hands the request to the game's check and search.
    bool PrepareSearch(int& game, int& option) override;
    SearchJob JobFor(int game, int option) override;
    QList<QWidget*> TextFields() const override { return {startWord, endWord}; }
    QStringList HelpKeys() const override;

    QLineEdit* startWord;
    QLineEdit* endWord;
    QCheckBox* addRemove;
    QCheckBox* rearrange;
    QComboBox* minInterLength;

private:
    // The minimum length is offered only with additions and removals.
    void AddRemoveClick();

    MetagrGame& game_;
    FieldBinding<MetagrRequest> binding_;
    QWidget* minLengthBox_;
};

}  // namespace sillabor::shell
