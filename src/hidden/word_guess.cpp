#include "hidden/word_guess.h"
#include "base/letter_case.h"

#include <algorithm>

#include "dictionary/random_choices.h"

namespace sillabor {

namespace {

constexpr int kMaxWordLetters = 15;
constexpr char kUsed = '\0';


}  // namespace

AttemptScore ScoreAttempt(std::string_view attempt, std::string_view word) {
    AttemptScore score;
    std::string a(attempt), w(word);
    const size_t n = std::min(a.size(), w.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == w[i]) {
            ++score.neri;
            a[i] = w[i] = kUsed;
        }
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == kUsed) continue;
        const size_t at = w.find(a[i]);
        if (at == std::string::npos) continue;
        ++score.bianchi;
        w[at] = kUsed;
    }
    return score;
}

void WordGuess::Start(std::string_view word) {
    hidden_.assign(word.substr(0, kMaxWordLetters));
    for (char& c : hidden_) c = ToUpperAscii(c);
    attempt_.assign(hidden_.size(), kNotTyped);
    row_ = 0;
    cursor_ = 0;
    blinkOff_ = false;
    phase_ = Phase::Input;
    rows_ = {};
    ShowAttemptInRow();
}

bool WordGuess::StartWithRandomWord(const Dictionary& dict, RandomSource& random) {
    const char* word = RandomWordOfLength(dict, random, kMinLength, kMaxLength);
    if (word == nullptr) return false;
    Start(word);
    return true;
}

bool WordGuess::PressLetter(char letter) {
    letter = ToUpperAscii(letter);
    if (!TakesInput() || letter < 'A' || letter > 'Z' || cursor_ == Length()) return false;
    attempt_[static_cast<size_t>(cursor_++)] = letter;
    ShowAttemptInRow();
    return true;
}

bool WordGuess::PressBack() {
    if (!TakesInput() || cursor_ == 0) return false;
    attempt_[static_cast<size_t>(--cursor_)] = kNotTyped;
    ShowAttemptInRow();
    return true;
}

AttemptScore WordGuess::Confirm() {
    if (!CanConfirm()) return {};
    const AttemptScore score = ScoreAttempt(attempt_, hidden_);
    Row& row = rows_[static_cast<size_t>(row_)];
    row.scored = true;
    row.score = score;
    if (score.neri == Length()) {
        row.highlighted = true;
        phase_ = Phase::Solved;
        return score;
    }
    row_ = (row_ + 1) % kAttemptRows;
    attempt_.assign(hidden_.size(), kNotTyped);
    cursor_ = 0;
    ShowAttemptInRow();
    return score;
}

void WordGuess::Reveal() {
    if (!TakesInput()) return;
    rows_[static_cast<size_t>(row_)] = Row{hidden_, true, AttemptScore{Length(), 0}, true};
    phase_ = Phase::Revealed;
}

std::string WordGuess::ShownAttempt() const {
    std::string shown = attempt_;
    if (TakesInput() && blinkOff_ && cursor_ < Length()) shown[static_cast<size_t>(cursor_)] = ' ';
    return shown;
}

void WordGuess::ShowAttemptInRow() {
    // The row in use shows the attempt with its counts still unknown; a row
    // reused after 16 attempts loses what it showed.
    rows_[static_cast<size_t>(row_)] = Row{attempt_, false, {}, false};
}

}  // namespace sillabor
