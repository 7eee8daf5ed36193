#pragma once
// The "Metagr" page: word ladders between two words.

#include "ladder/ladder_state.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace sillabor {
class LadderGame;
}

namespace sillabor::shell {

class TMetagrPage : public TGamePage {
    Q_OBJECT

public:
    TMetagrPage(App& app, LadderGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Trova"; }
    bool CanStart() const override { return true; }
    // Normalises both words, writes them back into the fields and hands the
    // page to the search.
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override { return {MetaDa, MetaA}; }
    QStringList HelpKeys() const override;

    QLineEdit* MetaDa;
    QLineEdit* MetaA;
    QCheckBox* ASMeta;
    QCheckBox* MetAna;
    QComboBox* LMinMeta;

private:
    // The minimum length is offered only with additions and removals.
    void ASMetaClick();

    LadderGame& game_;
    FieldBinding<LadderPage> binding_;
    QWidget* minLengthBox_;
};

}  // namespace sillabor::shell
