#include "shell/save_menu.h"

#include <QAction>

namespace sillabor::shell {

namespace {

QAction* NamedAction(QMenu* menu, const char* name, const QString& text, bool checkable) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

SaveMenu::SaveMenu(AutosaveSettings& settings, QWidget* parent)
    : QMenu("Salvataggio &automatico", parent), settings_(settings) {
    setObjectName("autosaveMenu");
    savePage = NamedAction(this, "savePage", "Salva risultati in ", true);
    appendPage = NamedAction(this, "appendPage", "Accoda risultati a ", true);
    noSavePage = NamedAction(this, "noSavePage", "Non salvare", true);
    addSeparator();
    QMenu* all = addMenu("Setta tutti i flag a ");
    all->setObjectName("allPagesMenu");
    saveAll = NamedAction(all, "saveAll", "Salva", false);
    appendAll = NamedAction(all, "appendAll", "Accoda", false);
    noSaveAll = NamedAction(all, "noSaveAll", "Non salvare", false);
    addSeparator();
    openSavesFolder = NamedAction(this, "openSavesFolder", "Apri dir. salvataggi", false);
    addSeparator();
    savingHelp = NamedAction(this, "savingHelp", "Help su Salvataggio", false);

    connect(savePage, &QAction::triggered, this, [this] { ChoosePage(kSaveWrite); });
    connect(appendPage, &QAction::triggered, this, [this] { ChoosePage(kSaveAppend); });
    connect(noSavePage, &QAction::triggered, this, [this] { ChoosePage(kSaveNone); });
    connect(saveAll, &QAction::triggered, this, [this] { ChooseAll(kSaveWrite); });
    connect(appendAll, &QAction::triggered, this, [this] { ChooseAll(kSaveAppend); });
    connect(noSaveAll, &QAction::triggered, this, [this] { ChooseAll(kSaveNone); });
}

void SaveMenu::ChoosePage(uint8_t mode) {
    settings_.SetMode(page_, mode);
    SetSaveMenu(page_);
}

void SaveMenu::ChooseAll(uint8_t mode) {
    settings_.SetAll(mode);
    SetSaveMenu(page_);
}

void SaveMenu::SetSaveMenu(int page) {
    page_ = page;
    const uint8_t mode = settings_.Mode(page);
    menuAction()->setEnabled(mode != kSaveUnavailable);
    if (mode == kSaveUnavailable) return;
    const QString name = QString::fromStdString(settings_.FileName(page));
    savePage->setText("Salva risultati in " + name);
    appendPage->setText("Accoda risultati a " + name);
    savePage->setChecked(mode == kSaveWrite);
    appendPage->setChecked(mode == kSaveAppend);
    noSavePage->setChecked(mode == kSaveNone);
}

}  // namespace sillabor::shell
