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
    dictionaryList = Named<QComboBox>("dictionaryList", this);
    dictionaryList->setMinimumWidth(150);
    loadButton = Named<QPushButton>("loadButton", "Carica", this);
    rescanButton = Named<QPushButton>("rescanButton", "Agg.Lista", this);
    openFolderButton = Named<QPushButton>("openFolderButton", "Apri Dir.", this);

    auto* skipBox = new QGroupBox("Escludi parole ... ", this);
    skipBox->setObjectName("skipBox");
    skipCapitalisedBox = Named<QCheckBox>("skipCapitalisedBox", "Con maiuscole", skipBox);
    skipBeforeApostropheBox = Named<QCheckBox>("skipBeforeApostropheBox", "Prima di apostrofo", skipBox);
    skipHyphenatedBox = Named<QCheckBox>("skipHyphenatedBox", "Prima e dopo il \"-\"", skipBox);
    auto* skipLayout = new QVBoxLayout(skipBox);
    skipLayout->addWidget(skipCapitalisedBox);
    skipLayout->addWidget(skipBeforeApostropheBox);
    skipLayout->addWidget(skipHyphenatedBox);
    buildButton = Named<QPushButton>("buildButton", "Aggiorna e Carica", this);

    auto* exportBox = new QGroupBox("Esporta Diz. Corrente", this);
    exportBox->setObjectName("exportOrderBox");
    exportOrder = new QButtonGroup(exportBox);
    auto* exportLayout = new QVBoxLayout(exportBox);
    const char* orders[] = {"Alfab.", "Lungh.", "Rime"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(orders[i], exportBox);
        exportOrder->addButton(radio, i);
        exportLayout->addWidget(radio);
    }
    exportOrder->button(kExportAlphabetical)->setChecked(true);
    exportButton = Named<QPushButton>("exportButton", "Esporta", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(dictionaryList, 0, 0);
    grid->addWidget(loadButton, 1, 0);
    grid->addWidget(rescanButton, 2, 0);
    grid->addWidget(openFolderButton, 3, 0);
    grid->addWidget(skipBox, 0, 1, 3, 1);
    grid->addWidget(buildButton, 3, 1);
    grid->addWidget(exportBox, 0, 2, 3, 1);
    grid->addWidget(exportButton, 3, 2);
    grid->setRowStretch(4, 1);

    connect(loadButton, &QPushButton::clicked, this, &DizioPage::LoadClick);
    connect(buildButton, &QPushButton::clicked, this, &DizioPage::BuildClick);
    connect(exportButton, &QPushButton::clicked, this, &DizioPage::ExportClick);
    connect(rescanButton, &QPushButton::clicked, this, &DizioPage::RescanClick);
    connect(openFolderButton, &QPushButton::clicked, this, &DizioPage::OpenFolderClick);
}

QStringList DizioPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void DizioPage::ShowDictionaryList() {
    dictionaryList->clear();
    for (const std::string& name : game_.dictionaries.names) dictionaryList->addItem(QFile::decodeName(name.c_str()));
    dictionaryList->setCurrentIndex(game_.dictionaries.selected);
}

std::string DizioPage::SelectedDictionary() const {
    const int index = dictionaryList->currentIndex();
    if (index < 0 || index >= static_cast<int>(game_.dictionaries.names.size())) return {};
    return game_.dictionaries.names[static_cast<size_t>(index)];
}

DizioRequest DizioPage::Request(int action) const {
    DizioRequest request;
    request.action = action;
    if (action != kDictionaryExport) request.dictionary = SelectedDictionary();
    request.skipCapitalised = skipCapitalisedBox->isChecked();
    request.skipBeforeApostrophe = skipBeforeApostropheBox->isChecked();
    request.skipHyphenated = skipHyphenatedBox->isChecked();
    request.exportOrder = static_cast<ExportOrder>(exportOrder->checkedId());
    return request;
}

SearchJob DizioPage::JobFor(int /*game*/, int option) { return game_.Job(Request(option)); }

void DizioPage::LoadClick() {
    if (!SelectedDictionary().empty()) emit SearchRequested(game_.Id(), kDictionaryLoad);
}

void DizioPage::BuildClick() {
    if (!SelectedDictionary().empty()) emit SearchRequested(game_.Id(), kDictionaryBuildAndLoad);
}

void DizioPage::ExportClick() {
    if (dictionaryList->currentIndex() >= 0) emit SearchRequested(game_.Id(), kDictionaryExport);
}

void DizioPage::RescanClick() {
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

void DizioPage::OpenFolderClick() {
    const QString failure = OpenFolderOrSayWhy(app_.DictionariesDir());
    if (!failure.isEmpty()) emit ShowStatus(failure);
}

}  // namespace sillabor::shell

