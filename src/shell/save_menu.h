#pragma once
// The menu "Salvataggio automatico": each page's choice of saving its results.

#include <QMenu>

#include "base/autosave.h"

class QAction;

namespace sillabor::shell {

class SaveMenu : public QMenu {
    Q_OBJECT

public:
    SaveMenu(AutosaveSettings& settings, QWidget* parent = nullptr);

    // Shows the choice of `page`: disabled when the page cannot save,
    // otherwise the page's file names and a check on its mode.
    void SetSaveMenu(int page);

    QAction* savePage;
    QAction* appendPage;
    QAction* noSavePage;
    QAction* saveAll;
    QAction* appendAll;
    QAction* noSaveAll;
    QAction* openSavesFolder;
    QAction* savingHelp;

private:
    void ChoosePage(uint8_t mode);
    void ChooseAll(uint8_t mode);

    AutosaveSettings& settings_;
    int page_ = 0;
};

}  // namespace sillabor::shell
