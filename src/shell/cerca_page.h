#pragma once
// The "Cerca" page: the games built around one base word.

#include <memory>

#include "cerca/cerca_request.h"
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
    // Checks the base: a refusal prints its message and starts nothing, an
    // empty base starts nothing silently. JobFor hands the request to the
    // game's check and search.
    bool PrepareSearch(int& game, int& option) override;
    SearchJob JobFor(int game, int option) override;
    QList<QWidget*> TextFields() const override;
    // An arranged grid replaces the base.
    void SearchEnded() override;
    QStringList HelpKeys() const override;

    // The request as the controls hold it.
    CercaRequest Request() const;

    QButtonGroup* categoryGroup;
    QLineEdit* baseField;
    QCheckBox* diagonalsBox;
    QCheckBox* reuseBox;
    QButtonGroup* gridModeGroup;
    QLabel* baseHint;

private:
    // The page's look for the chosen category and grid options.
    void UpdateLook();

    CercaGame& game_;
    QWidget* gridOptions_;  // diagonals, reuse and the grid modes
    // What the running search gives back; read once it has ended.
    std::shared_ptr<CercaResult> result_;
};

}  // namespace sillabor::shell
