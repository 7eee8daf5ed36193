#pragma once
// The "Cerca" page: the games built around one base word.

#include "shell/game_page.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace sillabor::shell {

class TCercaloPage : public TGamePage {
    Q_OBJECT

public:
    explicit TCercaloPage(Workbench& wb, QWidget* parent = nullptr);

    QString StartCaption() const override { return "Trova"; }
    bool CanStart() const override { return true; }
    // Normalises and checks the base: a refusal prints its message and starts
    // nothing, an empty base starts nothing silently.
    bool PrepareSearch(int& game, int& option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;

    // The help of a category: its own section, then the games explained for
    // the categories 0 to 3.
    static QStringList CategoryHelpKeys(int category);

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

    QWidget* gridOptions_;  // CheckDiag, CheckRiuso and RadioParo
};

}  // namespace sillabor::shell
