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

#include "anagrams/anagram_game.h"
#include "anagrams/anagram_page_rules.h"
#include "anagrams/anagram_search.h"
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

TAnagrPage::TAnagrPage(App& app, AnagramGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    Frase = Named<QLineEdit>("Frase", this);
    Frase->setMaxLength(kFraseMaxLength);
    NumLet = Named<QLabel>("NumLet", "0", this);
    Fissa = Named<QLineEdit>("Fissa", this);
    Fissa->setMaxLength(kFissaMaxLength);
    NumFis = Named<QLabel>("NumFis", this);  // empty until the fixed part is edited

    const AnagramPage start;
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

    binding_.Text(Frase, &AnagramPage::Frase);
    binding_.Text(Fissa, &AnagramPage::Fissa);
    binding_.Choice(MinWoLun, &AnagramPage::MinWordLength);
    binding_.Choice(ParoMin, &AnagramPage::MinWords);
    binding_.Choice(ParoMax, &AnagramPage::MaxWords);
    binding_.Check(SchemaBx, &AnagramPage::SchemaBx);
    binding_.Text(SchemEd, &AnagramPage::SchemEd);
    binding_.Check(Mescola, &AnagramPage::Mescola);
    binding_.Check(FiltraGram, &AnagramPage::FiltraGram);
    binding_.Choice(FiltraCome, &AnagramPage::FiltraCome);
    binding_.Check(ACapo, &AnagramPage::ACapo);
    binding_.Check(Compatta, &AnagramPage::Compatta);

    for (QWidget* widget : {static_cast<QWidget*>(NumLet), static_cast<QWidget*>(NumFis),
                            static_cast<QWidget*>(SchemaBx), static_cast<QWidget*>(SchemEd),
                            static_cast<QWidget*>(Mescola), static_cast<QWidget*>(FiltraCome)})
        KeepRoomWhenHidden(widget);
    FiltraCome->hide();
    SchemEd->hide();

    BuildLayout();

    connect(Frase, &QLineEdit::textChanged, this, &TAnagrPage::FraseChange);
    connect(Fissa, &QLineEdit::textChanged, this, &TAnagrPage::FissaChange);
    connect(SchemaBx, &QCheckBox::toggled, this, &TAnagrPage::SchemaBxClick);
    connect(ParoMin, &QComboBox::currentIndexChanged, this, &TAnagrPage::ParoMinClick);
    connect(ParoMax, &QComboBox::currentIndexChanged, this, &TAnagrPage::ParoMaxClick);
    connect(FiltraGram, &QCheckBox::toggled, this, &TAnagrPage::FiltraGramClick);
    connect(ACapo, &QCheckBox::toggled, this, &TAnagrPage::ACapoClick);
    connect(Compatta, &QCheckBox::toggled, this, &TAnagrPage::ACapoClick);
    connect(MostraIn, &QPushButton::clicked, this, &TAnagrPage::MostraInClick);
}

void TAnagrPage::BuildLayout() {
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

AnagramPage TAnagrPage::Values() const {
    AnagramPage page;
    binding_.ToRecord(page);
    page.TotParoleLab = FromQString(TotParoleLab->text());
    return page;
}

void TAnagrPage::StoreValues() {
    const int64_t limit = game_.page.resultLimitOverride;
    game_.page = Values();
    game_.page.resultLimitOverride = limit;
    TotParoleLab->setText("in. 0");
}

bool TAnagrPage::CanStart() const { return AnagramVisibility(Values()).startEnabled; }

bool TAnagrPage::PrepareSearch(int& game, int& option) {
    if (!CanStart()) return false;
    StoreValues();
    game = game_.Id();
    option = kAnagramSearch;
    return true;
}

QList<QWidget*> TAnagrPage::TextFields() const { return {Frase, Fissa, SchemEd}; }

QStringList TAnagrPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

bool TAnagrPage::WrapsOutput() const { return ACapo->isChecked(); }

void TAnagrPage::PageShown() { ApplyVisibility(); }

void TAnagrPage::SearchEnded() { TotParoleLab->setText(ToQString(game_.page.TotParoleLab)); }

void TAnagrPage::FraseChange() {
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

void TAnagrPage::FissaChange() {
    NumFis->setText(ToQString(FixedPartCaption(FromQString(Fissa->text()))));
    ApplyVisibility();
}

void TAnagrPage::ApplyVisibility() {
    const AnagramPageView view = AnagramVisibility(Values());
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

void TAnagrPage::SchemaBxClick() { ApplyVisibility(); }

void TAnagrPage::ParoMinClick() {
    AnagramPage counts;
    counts.MinWords = ValueOf(ParoMin);
    counts.MaxWords = ValueOf(ParoMax);
    ParoMinChanged(counts);
    ChooseValue(ParoMax, counts.MaxWords);
}

void TAnagrPage::ParoMaxClick() {
    AnagramPage counts;
    counts.MinWords = ValueOf(ParoMin);
    counts.MaxWords = ValueOf(ParoMax);
    ParoMaxChanged(counts);
    ChooseValue(ParoMin, counts.MinWords);
}

void TAnagrPage::FiltraGramClick() { FiltraCome->setVisible(FiltraGram->isChecked()); }

void TAnagrPage::ACapoClick() { emit OutputWrapChanged(); }

void TAnagrPage::MostraInClick() {
    StoreValues();
    emit SearchRequested(game_.Id(), kAnagramShowCandidates);
}

}  // namespace sillabor::shell
