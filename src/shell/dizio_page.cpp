#include "shell/dizio_page.h"
#include "shell/named_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dictionary/dictionary_loader.h"
#include "search/dictionary_game.h"
#include "search/run_game.h"
#include "search/workbench.h"
#include "shell/desktop_folder.h"

namespace sillabor::shell {

namespace {

}  // namespace

TDizionariPage::TDizionariPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Dizionari", parent) {
    DizBox = new QComboBox(this);
    DizBox->setObjectName("DizBox");
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

    connect(CaricaB, &QPushButton::clicked, this, &TDizionariPage::CaricaBClick);
    connect(AggDizB, &QPushButton::clicked, this, &TDizionariPage::AggDizBClick);
    connect(ExpoBtn, &QPushButton::clicked, this, &TDizionariPage::ExpoBtnClick);
    connect(AggLBut, &QPushButton::clicked, this, &TDizionariPage::AggLButClick);
    connect(ApriDirB, &QPushButton::clicked, this, &TDizionariPage::ApriDirBClick);
}

void TDizionariPage::ShowDictionaryList() {
    DizBox->clear();
    for (const std::string& name : wb_.dictionaryList) DizBox->addItem(QFile::decodeName(name.c_str()));
    DizBox->setCurrentIndex(wb_.selectedDictionary);
}

bool TDizionariPage::TakeSelection() {
    const int index = DizBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(wb_.dictionaryList.size())) return false;
    wb_.dict.DictionaryName = wb_.dictionaryList[static_cast<size_t>(index)];
    return true;
}

void TDizionariPage::CaricaBClick() {
    if (TakeSelection()) emit SearchRequested(kGameDictionary, kDictionaryLoad);
}

void TDizionariPage::AggDizBClick() {
    if (!TakeSelection()) return;
    wb_.buildOptions = (ChkCase->isChecked() ? kBuildSkipCapitalised : 0) |
                       (ChkApo->isChecked() ? kBuildSkipBeforeApostrophe : 0) |
                       (ChkMeno->isChecked() ? kBuildSkipHyphenated : 0);
    emit SearchRequested(kGameDictionary, kDictionaryBuildAndLoad);
}

void TDizionariPage::ExpoBtnClick() {
    if (DizBox->currentIndex() < 0) return;
    wb_.exportOrder = ExpoOrd->checkedId();
    emit SearchRequested(kGameDictionary, kDictionaryExport);
}

void TDizionariPage::AggLButClick() {
    const int status = ScanDictionaries(wb_);
    ShowDictionaryList();
    if (status != 0) return;
    wb_.out.ClearOutput();
    wb_.out.PrintLine("Lista Dizionari Aggiornata");
    wb_.out.RefreshOutput();
}

void TDizionariPage::ApriDirBClick() {
    OpenFolder(wb_.DictionariesDir());
}

}  // namespace sillabor::shell

