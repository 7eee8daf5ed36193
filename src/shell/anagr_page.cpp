#include "shell/anagr_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "anagr/anagr_game.h"
#include "anagr/anagr_page_rules.h"
#include "anagr/anagram_search.h"
#include "app/app.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

const std::vector<ListItem> kFilterChoices = {{"a tutte le parole", kFilterEveryWord},
                                              {"ad almeno una parola", kFilterSomeWord},
                                              {"ad una sola una parola", kFilterOneWord},
                                              {"al massimo ad una parola", kFilterAtMostOneWord}};
const std::vector<ListItem> kOneToFive = {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}};

// One list with its caption in front, hidden and shown as one control.
QWidget* Captioned(const QString& caption, QWidget* list, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(caption, box));
    layout->addWidget(list);
    list->setParent(box);
    KeepRoomWhenHidden(box);
    return box;
}

}  // namespace

AnagrPage::AnagrPage(App& app, AnagrGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    Frase = Named<QLineEdit>("Frase", this);
    Frase->setMaxLength(kFraseMaxLength);
    NumLet = Named<QLabel>("NumLet", "0", this);
    Fissa = Named<QLineEdit>("Fissa", this);
    Fissa->setMaxLength(kFissaMaxLength);
    NumFis = Named<QLabel>("NumFis", this);  // empty until the fixed part is edited

    const AnagrControls start;
    MinWoLun = ValueList("MinWoLun", kOneToFive, start.MinWordLength, this);
    ParoMin = ValueList("ParoMin", kOneToFive, start.MinWords, this);
    ParoMax = ValueList("ParoMax", {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"X", kAnyNumberOfWords}}, start.MaxWords,
                        this);
    minWoLunBox_ = Captioned(" Lungh. min. parole ", MinWoLun, this);
    paroMinBox_ = Captioned(" parole min ", ParoMin, this);
    paroMaxBox_ = Captioned(" parole max ", ParoMax, this);

    SchemaBx = Named<QCheckBox>("SchemaBx", "Schema", this);
    SchemEd = Named<QLineEdit>("SchemEd", this);
    SchemEd->setMaxLength(kSchemEdMaxLength);
    Mescola = Named<QCheckBox>("Mescola", "Randomizza", this);
    FiltraGram = Named<QCheckBox>("FiltraGram", "Imponi i filtri di <Parole> ", this);
    FiltraCome = ValueList("FiltraCome", kFilterChoices, start.FiltraCome, this);
    ACapo = Named<QCheckBox>("ACapo", "A capo autom.", this);
    Compatta = Named<QCheckBox>("Compatta", "Output compatto", this);
    Compatta->setChecked(start.Compatta);
    TotParoleLab = Named<QLabel>("TotParoleLab", ToQString(start.TotParoleLab), this);
    MostraIn = Named<QPushButton>("MostraIn", "Mostra in.", this);

    binding_.Text(Frase, &AnagrControls::Frase);
    binding_.Text(Fissa, &AnagrControls::Fissa);
    binding_.Choice(MinWoLun, &AnagrControls::MinWordLength);
    binding_.Choice(ParoMin, &AnagrControls::MinWords);
    binding_.Choice(ParoMax, &AnagrControls::MaxWords);
    binding_.Check(SchemaBx, &AnagrControls::SchemaBx);
    binding_.Text(SchemEd, &AnagrControls::SchemEd);
    binding_.Check(Mescola, &AnagrControls::Mescola);
    binding_.Check(FiltraGram, &AnagrControls::FiltraGram);
    binding_.Choice(FiltraCome, &AnagrControls::FiltraCome);
    binding_.Check(ACapo, &AnagrControls::ACapo);
    binding_.Check(Compatta, &AnagrControls::Compatta);

    for (QWidget* widget : {static_cast<QWidget*>(NumLet), static_cast<QWidget*>(NumFis),
                            static_cast<QWidget*>(SchemaBx), static_cast<QWidget*>(SchemEd),
                            static_cast<QWidget*>(Mescola), static_cast<QWidget*>(FiltraCome)})
        KeepRoomWhenHidden(widget);
    FiltraCome->hide();
    SchemEd->hide();

    BuildLayout();

    connect(Frase, &QLineEdit::textChanged, this, &AnagrPage::FraseChange);
    connect(Fissa, &QLineEdit::textChanged, this, &AnagrPage::FissaChange);
    connect(SchemaBx, &QCheckBox::toggled, this, &AnagrPage::SchemaBxClick);
    connect(ParoMin, &QComboBox::currentIndexChanged, this, &AnagrPage::ParoMinClick);
    connect(ParoMax, &QComboBox::currentIndexChanged, this, &AnagrPage::ParoMaxClick);
    connect(FiltraGram, &QCheckBox::toggled, this, &AnagrPage::FiltraGramClick);
    connect(ACapo, &QCheckBox::toggled, this, &AnagrPage::ACapoClick);
    connect(Compatta, &QCheckBox::toggled, this, &AnagrPage::ACapoClick);
    connect(MostraIn, &QPushButton::clicked, this, &AnagrPage::MostraInClick);
}

void AnagrPage::BuildLayout() {
    // The page control leaves about 175 pixels: the two fields, the three
    // lists beside the options, and the filter row.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 2);
    column->setSpacing(3);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(3);
    fields->addWidget(new QLabel("Frase", this), 0, 0);
    fields->addWidget(Frase, 0, 1);
    fields->addWidget(NumLet, 0, 2);
    fields->addWidget(new QLabel("Fissa", this), 1, 0);
    fields->addWidget(Fissa, 1, 1);
    fields->addWidget(NumFis, 1, 2);
    const int countWidth = NumLet->fontMetrics().horizontalAdvance("- 00") + 4;
    NumLet->setFixedWidth(countWidth);
    NumFis->setFixedWidth(countWidth);
    column->addLayout(fields);

    // The lists one under the other, their captions as wide as the widest.
    int captionWidth = 0;
    for (QWidget* box : {minWoLunBox_, paroMinBox_, paroMaxBox_})
        captionWidth = std::max(captionWidth, box->findChild<QLabel*>()->sizeHint().width());
    for (QWidget* box : {minWoLunBox_, paroMinBox_, paroMaxBox_}) box->findChild<QLabel*>()->setFixedWidth(captionWidth);

    auto* schema = new QHBoxLayout;
    schema->setSpacing(4);
    schema->addWidget(SchemaBx);
    schema->addWidget(SchemEd);
    SchemEd->setFixedWidth(SchemEd->fontMetrics().horizontalAdvance("00 00 00 00") + 12);

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(16);
    options->setVerticalSpacing(3);
    options->addWidget(minWoLunBox_, 0, 0);
    options->addWidget(paroMinBox_, 1, 0);
    options->addWidget(paroMaxBox_, 2, 0);
    options->addLayout(schema, 0, 1);
    options->addWidget(Mescola, 1, 1);
    options->addWidget(ACapo, 0, 2);
    options->addWidget(Compatta, 1, 2);
    options->setColumnStretch(3, 1);
    column->addLayout(options);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    filters->addWidget(FiltraGram);
    filters->addWidget(FiltraCome);
    filters->addStretch(1);
    filters->addWidget(TotParoleLab);
    filters->addWidget(MostraIn);
    column->addLayout(filters);
    column->addStretch(1);
}

AnagrControls AnagrPage::Values() const {
    AnagrControls page;
    binding_.ToRecord(page);
    page.TotParoleLab = FromQString(TotParoleLab->text());
    return page;
}

void AnagrPage::StoreValues() {
    const int64_t limit = game_.page.resultLimitOverride;
    game_.page = Values();
    game_.page.resultLimitOverride = limit;
    TotParoleLab->setText("in. 0");
}

bool AnagrPage::CanStart() const { return AnagramVisibility(Values()).startEnabled; }

bool AnagrPage::PrepareSearch(int& game, int& option) {
    if (!CanStart()) return false;
    StoreValues();
    game = game_.Id();
    option = kAnagramSearch;
    return true;
}

QList<QWidget*> AnagrPage::TextFields() const { return {Frase, Fissa, SchemEd}; }

QStringList AnagrPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

bool AnagrPage::WrapsOutput() const { return ACapo->isChecked(); }

void AnagrPage::PageShown() { ApplyVisibility(); }

void AnagrPage::SearchEnded() { TotParoleLab->setText(ToQString(game_.page.TotParoleLab)); }

void AnagrPage::FraseChange() {
    const QString typed = Frase->text();
    std::string phrase = FromQString(typed);
    const size_t before = phrase.size();
    const int letters = CapPhrase(phrase);
    if (phrase.size() < before) {
        // One byte of the phrase for each character of the field: keep as many
        // characters as the cap kept bytes, as they were typed.
        qsizetype end = 0;
        for (size_t kept = 0; kept < phrase.size() && end < typed.size(); ++kept) {
            const bool pair = typed.at(end).isHighSurrogate() && end + 1 < typed.size() && typed.at(end + 1).isLowSurrogate();
            end += pair ? 2 : 1;
        }
        const QSignalBlocker blocker(Frase);
        Frase->setText(typed.left(end));
    }
    NumLet->setText(QString::number(letters));
    ApplyVisibility();
}

void AnagrPage::FissaChange() {
    NumFis->setText(ToQString(FixedPartCaption(FromQString(Fissa->text()))));
    ApplyVisibility();
}

void AnagrPage::ApplyVisibility() {
    const AnagrPageView view = AnagramVisibility(Values());
    NumLet->setVisible(view.showCounts);
    NumFis->setVisible(view.showCounts);
    paroMinBox_->setVisible(view.showWordCounts);
    paroMaxBox_->setVisible(view.showWordCounts);
    minWoLunBox_->setVisible(view.showMinLength);
    SchemaBx->setVisible(view.showSchemaAndShuffle);
    Mescola->setVisible(view.showSchemaAndShuffle);
    SchemEd->setVisible(view.showSchemaField);
    emit CanStartChanged();
}

void AnagrPage::SchemaBxClick() { ApplyVisibility(); }

void AnagrPage::ParoMinClick() {
    AnagrControls counts;
    counts.MinWords = ValueOf(ParoMin);
    counts.MaxWords = ValueOf(ParoMax);
    ParoMinChanged(counts);
    ChooseValue(ParoMax, counts.MaxWords);
}

void AnagrPage::ParoMaxClick() {
    AnagrControls counts;
    counts.MinWords = ValueOf(ParoMin);
    counts.MaxWords = ValueOf(ParoMax);
    ParoMaxChanged(counts);
    ChooseValue(ParoMin, counts.MinWords);
}

void AnagrPage::FiltraGramClick() { FiltraCome->setVisible(FiltraGram->isChecked()); }

void AnagrPage::ACapoClick() { emit OutputWrapChanged(); }

void AnagrPage::MostraInClick() {
    StoreValues();
    emit SearchRequested(game_.Id(), kAnagramShowCandidates);
}

}  // namespace sillabor::shell
