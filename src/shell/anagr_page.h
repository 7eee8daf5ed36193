#pragma once
// The "Anagr" page: anagrams of a phrase, less an optional fixed part printed
// in front of every result.

#include <memory>

#include "anagr/anagr_request.h"
#include "shell/game_page.h"
#include "shell/widget_helpers.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sillabor {
class AnagrGame;
}

namespace sillabor::shell {

class ParolePage;

class AnagrPage : public GamePage {
    Q_OBJECT

public:
    // `filtersPage` holds the "Parole" filters the page can impose.
    AnagrPage(App& app, AnagrGame& game, ParolePage& filtersPage, QWidget* parent = nullptr);

    bool CanStart() const override;
    bool PrepareSearch(int& game, int& option) override;
    SearchJob JobFor(int game, int option) override;
    QList<QWidget*> TextFields() const override;
    QStringList HelpKeys() const override;
    bool WrapsOutput() const override;
    void PageShown() override;
    // Shows the candidates' count, and the filters' texts on their page.
    void SearchEnded() override;

    // The request the controls make, without the filters' page.
    AnagrRequest Values() const;

    QLineEdit* phraseField;
    QLabel* phraseLetterCount;
    QLineEdit* fixedPartField;
    QLabel* fixedLetterCount;
    QComboBox* minWordLength;
    QComboBox* minWords;
    QComboBox* maxWords;
    QCheckBox* schemaBox;
    QLineEdit* schemaField;
    QCheckBox* shuffleBox;
    QCheckBox* applyFiltersBox;
    QComboBox* filterHowList;
    QCheckBox* wrapBox;
    QCheckBox* compactBox;
    QLabel* candidateCountLabel;
    QPushButton* showCandidatesButton;

private:
    void BuildLayout();
    // The phrase keeps at most 52 letters; the counts follow both fields.
    void PhraseEdited();
    void FixedPartEdited();
    void ApplyVisibility();
    // The word counts stay in order: the list just changed wins.
    void MinWordsChosen();
    void MaxWordsChosen();
    void ApplyFiltersToggled();
    void WrapOrCompactToggled();
    void ShowCandidatesClicked();

    AnagrGame& game_;
    ParolePage& filtersPage_;
    FieldBinding<AnagrRequest> binding_;
    std::shared_ptr<AnagrResult> result_;
    // The three lists with their captions.
    QWidget* minWordLengthBox_;
    QWidget* minWordsBox_;
    QWidget* maxWordsBox_;
};

}  // namespace sillabor::shell
