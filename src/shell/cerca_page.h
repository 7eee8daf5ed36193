#pragma once
// The "Cerca" page: the games built around one base word.

#include "cerca/cerca_state.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace sillabor {
class CercaGame;
}

namespace sillabor::shell {

class CercaPage : public GamePage {
    Q_OBJECT

public:
    CercaPage(App& app, CercaGame& game, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Trova"; }
    bool CanStart() const override { return true; }
    // Normalises and checks the base: a refusal prints its message and starts
    // nothing, an empty base starts nothing silently.
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override;
    void SearchEnded() override;
    QStringList HelpKeys() const override;

    QButtonGroup* Categoria;
    QLineEdit* LaBase;
    QCheckBox* CheckDiag;
    QCheckBox* CheckRiuso;
    QButtonGroup* RadioParo;
    QLabel* SpiegaBase;

private:
    // Controls -> the record's CercaControls.
    void ReadControls();
    // The page's look and the grid options for the chosen category and options.
    void ManageCat();

    CercaGame& game_;
    FieldBinding<CercaControls> binding_;
    QWidget* gridOptions_;  // CheckDiag, CheckRiuso and RadioParo
};

}  // namespace sillabor::shell
