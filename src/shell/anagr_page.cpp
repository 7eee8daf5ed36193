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

#include "anagrams/anagram_page_rules.h"
#include "anagrams/anagram_search.h"
#include "search/workbench.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

constexpr int kGameAnagrams = 0;
const QStringList kFilterChoices = {"a tutte le parole", "ad almeno una parola", "ad una sola una parola",
                                    "al massimo ad una parola"};

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// The page's layout does not move when the rules hide a control.
void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QComboBox* ChoiceList(const char* name, const QStringList& items, int current, QWidget* parent) {
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(items);
    list->setCurrentIndex(current);
    return list;
}

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

TAnagrammiPage::TAnagrammiPage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Anagrammi", parent) {
    Frase = Named(new QLineEdit(this), "Frase");
    Frase->setMaxLength(kFraseMaxLength);
    NumLet = Named(new QLabel("0", this), "NumLet");
    Fissa = Named(new QLineEdit(this), "Fissa");
    Fissa->setMaxLength(kFissaMaxLength);
    NumFis = Named(new QLabel(this), "NumFis");  // empty until the fixed part is edited

    const QStringList oneToFive = {"1", "2", "3", "4", "5"};
    MinWoLun = ChoiceList("MinWoLun", oneToFive, 0, this);
    ParoMin = ChoiceList("ParoMin", oneToFive, 0, this);
    ParoMax = ChoiceList("ParoMax", {"1", "2", "3", "4", "X"}, 4, this);
    minWoLunBox_ = Captioned(" Lungh. min. parole ", MinWoLun, this);
    paroMinBox_ = Captioned(" parole min ", ParoMin, this);
    paroMaxBox_ = Captioned(" parole max ", ParoMax, this);

    SchemaBx = Named(new QCheckBox("Schema", this), "SchemaBx");
    SchemEd = Named(new QLineEdit(this), "SchemEd");
    SchemEd->setMaxLength(kSchemEdMaxLength);
    Mescola = Named(new QCheckBox("Randomizza", this), "Mescola");
    FiltraGram = Named(new QCheckBox("Imponi i filtri di <Parole> ", this), "FiltraGram");
    FiltraCome = ChoiceList("FiltraCome", kFilterChoices, 0, this);
    ACapo = Named(new QCheckBox("A capo autom.", this), "ACapo");
    Compatta = Named(new QCheckBox("Output compatto", this), "Compatta");
    Compatta->setChecked(true);
    TotParoleLab = Named(new QLabel("in. 0", this), "TotParoleLab");
    MostraIn = Named(new QPushButton("Mostra in.", this), "MostraIn");

    for (QWidget* widget : {static_cast<QWidget*>(NumLet), static_cast<QWidget*>(NumFis),
                            static_cast<QWidget*>(SchemaBx), static_cast<QWidget*>(SchemEd),
                            static_cast<QWidget*>(Mescola), static_cast<QWidget*>(FiltraCome)})
        KeepRoomWhenHidden(widget);
    FiltraCome->hide();
    SchemEd->hide();

    BuildLayout();

    connect(Frase, &QLineEdit::textChanged, this, &TAnagrammiPage::FraseChange);
    connect(Fissa, &QLineEdit::textChanged, this, &TAnagrammiPage::FissaChange);
    connect(SchemaBx, &QCheckBox::toggled, this, &TAnagrammiPage::SchemaBxClick);
    connect(ParoMin, &QComboBox::currentIndexChanged, this, &TAnagrammiPage::ParoMinClick);
    connect(ParoMax, &QComboBox::currentIndexChanged, this, &TAnagrammiPage::ParoMaxClick);
    connect(FiltraGram, &QCheckBox::toggled, this, &TAnagrammiPage::FiltraGramClick);
    connect(ACapo, &QCheckBox::toggled, this, &TAnagrammiPage::ACapoClick);
    connect(Compatta, &QCheckBox::toggled, this, &TAnagrammiPage::ACapoClick);
    connect(MostraIn, &QPushButton::clicked, this, &TAnagrammiPage::MostraInClick);
}

void TAnagrammiPage::BuildLayout() {
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

AnagramPage TAnagrammiPage::Values() const {
    AnagramPage page;
    page.Frase = FromQString(Frase->text());
    page.Fissa = FromQString(Fissa->text());
    page.MinWoLun = MinWoLun->currentIndex();
    page.ParoMin = ParoMin->currentIndex();
    page.ParoMax = ParoMax->currentIndex();
    page.SchemaBx = SchemaBx->isChecked();
    page.SchemEd = FromQString(SchemEd->text());
    page.Mescola = Mescola->isChecked();
    page.FiltraGram = FiltraGram->isChecked();
    page.FiltraCome = FiltraCome->currentIndex();
    page.ACapo = ACapo->isChecked();
    page.Compatta = Compatta->isChecked();
    page.TotParoleLab = FromQString(TotParoleLab->text());
    return page;
}

void TAnagrammiPage::StoreValues() {
    const int64_t limit = wb_.anagramPage.resultLimitOverride;
    wb_.anagramPage = Values();
    wb_.anagramPage.resultLimitOverride = limit;
    TotParoleLab->setText("in. 0");
}

bool TAnagrammiPage::CanStart() const { return AnagramVisibility(Values()).startEnabled; }

bool TAnagrammiPage::PrepareSearch(int& game, int& option) {
    if (!CanStart()) return false;
    StoreValues();
    game = kGameAnagrams;
    option = kAnagramSearch;
    return true;
}

QList<QWidget*> TAnagrammiPage::TextFields() const { return {Frase, Fissa, SchemEd}; }

QStringList TAnagrammiPage::HelpKeys() const { return {"ANAGRAMMA"}; }

bool TAnagrammiPage::WrapsOutput() const { return ACapo->isChecked(); }

void TAnagrammiPage::PageShown() { ApplyVisibility(); }

void TAnagrammiPage::SearchEnded() { TotParoleLab->setText(ToQString(wb_.anagramPage.TotParoleLab)); }

void TAnagrammiPage::FraseChange() {
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

void TAnagrammiPage::FissaChange() {
    NumFis->setText(ToQString(FixedPartCaption(FromQString(Fissa->text()))));
    ApplyVisibility();
}

void TAnagrammiPage::ApplyVisibility() {
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

void TAnagrammiPage::SchemaBxClick() { ApplyVisibility(); }

void TAnagrammiPage::ParoMinClick() {
    AnagramPage counts;
    counts.ParoMin = ParoMin->currentIndex();
    counts.ParoMax = ParoMax->currentIndex();
    ParoMinChanged(counts);
    ParoMax->setCurrentIndex(counts.ParoMax);
}

void TAnagrammiPage::ParoMaxClick() {
    AnagramPage counts;
    counts.ParoMin = ParoMin->currentIndex();
    counts.ParoMax = ParoMax->currentIndex();
    ParoMaxChanged(counts);
    ParoMin->setCurrentIndex(counts.ParoMin);
}

void TAnagrammiPage::FiltraGramClick() { FiltraCome->setVisible(FiltraGram->isChecked()); }

void TAnagrammiPage::ACapoClick() { emit OutputWrapChanged(); }

void TAnagrammiPage::MostraInClick() {
    StoreValues();
    emit SearchRequested(kGameAnagrams, kAnagramShowCandidates);
}

}  // namespace sillabor::shell
