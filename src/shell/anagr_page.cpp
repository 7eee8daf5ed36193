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
#include "shell/parole_page.h"
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

AnagrPage::AnagrPage(App& app, AnagrGame& game, ParolePage& filtersPage, QWidget* parent)
    : GamePage(app, game, parent), game_(game), filtersPage_(filtersPage) {
    phraseField = Named<QLineEdit>("phraseField", this);
    phraseField->setMaxLength(kPhraseFieldMaxLength);
    phraseLetterCount = Named<QLabel>("phraseLetterCount", "0", this);
    fixedPartField = Named<QLineEdit>("fixedPartField", this);
    fixedPartField->setMaxLength(kFixedPartMaxLength);
    fixedLetterCount = Named<QLabel>("fixedLetterCount", this);  // empty until the fixed part is edited

    const AnagrRequest start;
    minWordLength = ValueList("minWordLength", kOneToFive, start.minWordLength, this);
    minWords = ValueList("minWords", kOneToFive, start.minWords, this);
    maxWords = ValueList("maxWords", {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"X", kAnyNumberOfWords}},
                         start.maxWords, this);
    minWordLengthBox_ = Captioned(" Lungh. min. parole ", minWordLength, this);
    minWordsBox_ = Captioned(" parole min ", minWords, this);
    maxWordsBox_ = Captioned(" parole max ", maxWords, this);

    schemaBox = Named<QCheckBox>("schemaBox", "Schema", this);
    schemaField = Named<QLineEdit>("schemaField", this);
    schemaField->setMaxLength(kSchemaFieldMaxLength);
    shuffleBox = Named<QCheckBox>("shuffleBox", "Randomizza", this);
    applyFiltersBox = Named<QCheckBox>("applyFiltersBox", "Imponi i filtri di <Parole> ", this);
    filterHowList = ValueList("filterHowList", kFilterChoices, kFilterEveryWord, this);
    wrapBox = Named<QCheckBox>("wrapBox", "A capo autom.", this);
    compactBox = Named<QCheckBox>("compactBox", "Output compatto", this);
    compactBox->setChecked(start.compactOutput);
    candidateCountLabel = Named<QLabel>("candidateCountLabel", ToQString(CandidateCountCaption(0)), this);
    showCandidatesButton = Named<QPushButton>("showCandidatesButton", "Mostra in.", this);

    binding_.Text(phraseField, &AnagrRequest::phrase);
    binding_.Text(fixedPartField, &AnagrRequest::fixedPart);
    binding_.Choice(minWordLength, &AnagrRequest::minWordLength);
    binding_.Choice(minWords, &AnagrRequest::minWords);
    binding_.Choice(maxWords, &AnagrRequest::maxWords);
    binding_.Check(schemaBox, &AnagrRequest::useSchema);
    binding_.Text(schemaField, &AnagrRequest::schema);
    binding_.Check(shuffleBox, &AnagrRequest::shuffle);
    binding_.Check(wrapBox, &AnagrRequest::wrapLines);
    binding_.Check(compactBox, &AnagrRequest::compactOutput);

    for (QWidget* widget : {static_cast<QWidget*>(phraseLetterCount), static_cast<QWidget*>(fixedLetterCount),
                            static_cast<QWidget*>(schemaBox), static_cast<QWidget*>(schemaField),
                            static_cast<QWidget*>(shuffleBox), static_cast<QWidget*>(filterHowList)})
        KeepRoomWhenHidden(widget);
    filterHowList->hide();
    schemaField->hide();

    BuildLayout();

    connect(phraseField, &QLineEdit::textChanged, this, &AnagrPage::PhraseEdited);
    connect(fixedPartField, &QLineEdit::textChanged, this, &AnagrPage::FixedPartEdited);
    connect(schemaBox, &QCheckBox::toggled, this, &AnagrPage::ApplyVisibility);
    connect(minWords, &QComboBox::currentIndexChanged, this, &AnagrPage::MinWordsChosen);
    connect(maxWords, &QComboBox::currentIndexChanged, this, &AnagrPage::MaxWordsChosen);
    connect(applyFiltersBox, &QCheckBox::toggled, this, &AnagrPage::ApplyFiltersToggled);
    connect(wrapBox, &QCheckBox::toggled, this, &AnagrPage::WrapOrCompactToggled);
    connect(compactBox, &QCheckBox::toggled, this, &AnagrPage::WrapOrCompactToggled);
    connect(showCandidatesButton, &QPushButton::clicked, this, &AnagrPage::ShowCandidatesClicked);
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
    fields->addWidget(phraseField, 0, 1);
    fields->addWidget(phraseLetterCount, 0, 2);
    fields->addWidget(new QLabel("Fissa", this), 1, 0);
    fields->addWidget(fixedPartField, 1, 1);
    fields->addWidget(fixedLetterCount, 1, 2);
    const int countWidth = phraseLetterCount->fontMetrics().horizontalAdvance("- 00") + 4;
    phraseLetterCount->setFixedWidth(countWidth);
    fixedLetterCount->setFixedWidth(countWidth);
    column->addLayout(fields);

    // The lists one under the other, their captions as wide as the widest.
    int captionWidth = 0;
    for (QWidget* box : {minWordLengthBox_, minWordsBox_, maxWordsBox_})
        captionWidth = std::max(captionWidth, box->findChild<QLabel*>()->sizeHint().width());
    for (QWidget* box : {minWordLengthBox_, minWordsBox_, maxWordsBox_})
        box->findChild<QLabel*>()->setFixedWidth(captionWidth);

    auto* schema = new QHBoxLayout;
    schema->setSpacing(4);
    schema->addWidget(schemaBox);
    schema->addWidget(schemaField);
    schemaField->setFixedWidth(schemaField->fontMetrics().horizontalAdvance("00 00 00 00") + 12);

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(16);
    options->setVerticalSpacing(3);
    options->addWidget(minWordLengthBox_, 0, 0);
    options->addWidget(minWordsBox_, 1, 0);
    options->addWidget(maxWordsBox_, 2, 0);
    options->addLayout(schema, 0, 1);
    options->addWidget(shuffleBox, 1, 1);
    options->addWidget(wrapBox, 0, 2);
    options->addWidget(compactBox, 1, 2);
    options->setColumnStretch(3, 1);
    column->addLayout(options);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    filters->addWidget(applyFiltersBox);
    filters->addWidget(filterHowList);
    filters->addStretch(1);
    filters->addWidget(candidateCountLabel);
    filters->addWidget(showCandidatesButton);
    column->addLayout(filters);
    column->addStretch(1);
}

AnagrRequest AnagrPage::Values() const {
    AnagrRequest request;
    binding_.ToRecord(request);
    request.filterHow =
        applyFiltersBox->isChecked() ? static_cast<AnagramFilterHow>(ValueOf(filterHowList)) : kFilterNone;
    return request;
}

bool AnagrPage::CanStart() const { return AnagramVisibility(Values()).startEnabled; }

bool AnagrPage::PrepareSearch(int& game, int& option) {
    if (!CanStart()) return false;
    candidateCountLabel->setText(ToQString(CandidateCountCaption(0)));
    game = game_.Id();
    option = kAnagramSearch;
    return true;
}

SearchJob AnagrPage::JobFor(int /*game*/, int option) {
    AnagrRequest request = Values();
    if (request.filterHow != kFilterNone) request.filters = filtersPage_.Request();
    result_ = std::make_shared<AnagrResult>();
    return game_.Job(request, option, result_);
}

QList<QWidget*> AnagrPage::TextFields() const { return {phraseField, fixedPartField, schemaField}; }

QStringList AnagrPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

bool AnagrPage::WrapsOutput() const { return wrapBox->isChecked(); }

void AnagrPage::PageShown() { ApplyVisibility(); }

void AnagrPage::SearchEnded() {
    if (!result_) return;
    candidateCountLabel->setText(ToQString(CandidateCountCaption(result_->candidateWords)));
    if (result_->filterFields) filtersPage_.ShowReadFields(*result_->filterFields);
    result_.reset();
}

void AnagrPage::PhraseEdited() {
    const QString typed = phraseField->text();
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
        const QSignalBlocker blocker(phraseField);
        phraseField->setText(typed.left(end));
    }
    phraseLetterCount->setText(QString::number(letters));
    ApplyVisibility();
}

void AnagrPage::FixedPartEdited() {
    fixedLetterCount->setText(ToQString(FixedPartCaption(FromQString(fixedPartField->text()))));
    ApplyVisibility();
}

void AnagrPage::ApplyVisibility() {
    const AnagrPageView view = AnagramVisibility(Values());
    phraseLetterCount->setVisible(view.showCounts);
    fixedLetterCount->setVisible(view.showCounts);
    minWordsBox_->setVisible(view.showWordCounts);
    maxWordsBox_->setVisible(view.showWordCounts);
    minWordLengthBox_->setVisible(view.showMinLength);
    schemaBox->setVisible(view.showSchemaAndShuffle);
    shuffleBox->setVisible(view.showSchemaAndShuffle);
    schemaField->setVisible(view.showSchemaField);
    emit CanStartChanged();
}

void AnagrPage::MinWordsChosen() {
    AnagrRequest counts;
    counts.minWords = ValueOf(minWords);
    counts.maxWords = ValueOf(maxWords);
    MinWordsChanged(counts);
    ChooseValue(maxWords, counts.maxWords);
}

void AnagrPage::MaxWordsChosen() {
    AnagrRequest counts;
    counts.minWords = ValueOf(minWords);
    counts.maxWords = ValueOf(maxWords);
    MaxWordsChanged(counts);
    ChooseValue(minWords, counts.minWords);
}

void AnagrPage::ApplyFiltersToggled() { filterHowList->setVisible(applyFiltersBox->isChecked()); }

void AnagrPage::WrapOrCompactToggled() { emit OutputWrapChanged(); }

void AnagrPage::ShowCandidatesClicked() {
    candidateCountLabel->setText(ToQString(CandidateCountCaption(0)));
    emit SearchRequested(game_.Id(), kAnagramShowCandidates);
}

}  // namespace sillabor::shell
