#include "shell/dizio_page.h"
#include "shell/widget_helpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app.h"
#include "dizio/dizio_game.h"
#include "shell/desktop_folder.h"

namespace sillabor::shell {

DizioPage::DizioPage(App& app, DizioGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    DizBox = Named<QComboBox>("DizBox", this);
    DizBox->setMinimumWidth(150);
    CaricaB = Named<QPushButton>("CaricaB", "Carica", this);
    AggLBut = Named<QPushButton>("AggLBut", "Agg.Lista", this);
    ApriDirB = Named<QPushButton>("ApriDirB", "Apri Dir.", this);

    auto* escludi = new QGroupBox("Escludi parole ... ", this);
    escludi->setObjectName("Escludi");
    ChkCase = Named<QCheckBox>("ChkCase", "Con maiuscole", escludi);
    ChkApo = Named<QCheckBox>("ChkApo", "Prima di apostrofo", escludi);
    ChkMeno = Named<QCheckBox>("ChkMeno", "Prima e dopo il \"-\"", escludi);
    auto* escludiLayout = new QVBoxLayout(escludi);
    escludiLayout->addWidget(ChkCase);
    escludiLayout->addWidget(ChkApo);
    escludiLayout->addWidget(ChkMeno);
    AggDizB = Named<QPushButton>("AggDizB", "Aggiorna e Carica", this);

    auto* esporta = new QGroupBox("Esporta Diz. Corrente", this);
    esporta->setObjectName("ExpoOrd");
    ExpoOrd = new QButtonGroup(esporta);
    auto* esportaLayout = new QVBoxLayout(esporta);
    const char* orders[] = {"Alfab.", "Lungh.", "Rime"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(orders[i], esporta);
        ExpoOrd->addButton(radio, i);
        esportaLayout->addWidget(radio);
    }
    ExpoOrd->button(kExportAlphabetical)->setChecked(true);
    ExpoBtn = Named<QPushButton>("ExpoBtn", "Esporta", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(DizBox, 0, 0);
    grid->addWidget(CaricaB, 1, 0);
    grid->addWidget(AggLBut, 2, 0);
    grid->addWidget(ApriDirB, 3, 0);
    grid->addWidget(escludi, 0, 1, 3, 1);
    grid->addWidget(AggDizB, 3, 1);
    grid->addWidget(esporta, 0, 2, 3, 1);
    grid->addWidget(ExpoBtn, 3, 2);
    grid->setRowStretch(4, 1);

    connect(CaricaB, &QPushButton::clicked, this, &DizioPage::CaricaBClick);
    connect(AggDizB, &QPushButton::clicked, this, &DizioPage::AggDizBClick);
    connect(ExpoBtn, &QPushButton::clicked, this, &DizioPage::ExpoBtnClick);
    connect(AggLBut, &QPushButton::clicked, this, &DizioPage::AggLButClick);
    connect(ApriDirB, &QPushButton::clicked, this, &DizioPage::ApriDirBClick);
}

QStringList DizioPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void DizioPage::ShowDictionaryList() {
    DizBox->clear();
    for (const std::string& name : game_.dictionaries.names) DizBox->addItem(QFile::decodeName(name.c_str()));
    DizBox->setCurrentIndex(game_.dictionaries.selected);
}

bool DizioPage::TakeSelection() {
    const int index = DizBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(game_.dictionaries.names.size())) return false;
    app_.dict.DictionaryName = game_.dictionaries.names[static_cast<size_t>(index)];
    return true;
}

void DizioPage::CaricaBClick() {
    if (TakeSelection()) emit SearchRequested(game_.Id(), kDictionaryLoad);
}

void DizioPage::AggDizBClick() {
    if (!TakeSelection()) return;
    game_.buildOptions = (ChkCase->isChecked() ? kBuildSkipCapitalised : 0) |
                         (ChkApo->isChecked() ? kBuildSkipBeforeApostrophe : 0) |
                         (ChkMeno->isChecked() ? kBuildSkipHyphenated : 0);
    emit SearchRequested(game_.Id(), kDictionaryBuildAndLoad);
}

void DizioPage::ExpoBtnClick() {
    if (DizBox->currentIndex() < 0) return;
    game_.exportOrder = ExpoOrd->checkedId();
    emit SearchRequested(game_.Id(), kDictionaryExport);
}

void DizioPage::AggLButClick() {
    GameContext ctx = app_.Context();
    const int status = game_.Scan(ctx);
    ShowDictionaryList();
    if (status != 0) {
        app_.out.RefreshOutput();  // the scan's message
        return;
    }
    app_.out.ClearOutput();
    app_.out.PrintLine("Lista Dizionari Aggiornata");
    app_.out.RefreshOutput();
}

void DizioPage::ApriDirBClick() {
    OpenFolder(app_.DictionariesDir());
}

}  // namespace sillabor::shell

