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
    : QMenu("Salvataggio automatico", parent), settings_(settings) {
    setObjectName("Salvataggioautomatico");
    SalvaSu = NamedAction(this, "SalvaSu", "Salva risultati in ", true);
    AccodaA = NamedAction(this, "AccodaA", "Accoda risultati a ", true);
    NonSalvare = NamedAction(this, "NonSalvare", "Non salvare", true);
    addSeparator();
    QMenu* all = addMenu("Setta tutti i flag a ");
    all->setObjectName("Settatuttiiflaga1");
    Salva2 = NamedAction(all, "Salva2", "Salva", false);
    Accoda1 = NamedAction(all, "Accoda1", "Accoda", false);
    Nonsalvare1 = NamedAction(all, "Nonsalvare1", "Non salvare", false);
    addSeparator();
    MostraSalv = NamedAction(this, "MostraSalv", "Apri dir. salvataggi", false);
    addSeparator();
    HelpsuSalvataggio = NamedAction(this, "HelpsuSalvataggio", "Help su Salvataggio", false);

    connect(SalvaSu, &QAction::triggered, this, [this] { ChoosePage(kSaveWrite); });
    connect(AccodaA, &QAction::triggered, this, [this] { ChoosePage(kSaveAppend); });
    connect(NonSalvare, &QAction::triggered, this, [this] { ChoosePage(kSaveNone); });
    connect(Salva2, &QAction::triggered, this, [this] { ChooseAll(kSaveWrite); });
    connect(Accoda1, &QAction::triggered, this, [this] { ChooseAll(kSaveAppend); });
    connect(Nonsalvare1, &QAction::triggered, this, [this] { ChooseAll(kSaveNone); });
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
    SalvaSu->setText("Salva risultati in " + name);
    AccodaA->setText("Accoda risultati a " + name);
    SalvaSu->setChecked(mode == kSaveWrite);
    AccodaA->setChecked(mode == kSaveAppend);
    NonSalvare->setChecked(mode == kSaveNone);
}

}  // namespace sillabor::shell
