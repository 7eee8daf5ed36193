#pragma once
// The word-guessing game: the player finds a hidden word of 4 to 7 letters by
// attempts; each attempt is answered with its neri (right letters in the right
// place) and bianchi (right letters in the wrong place). The attempts fill 16
// rows under a heading row; after 16 the new ones cover the old.

#include <array>
#include <string>
#include <string_view>

namespace sillabor {

class Dictionary;
class RandomSource;

struct AttemptScore {
    int neri = 0;
    int bianchi = 0;
};

// Exact places first; then each remaining letter of the attempt against the
// first remaining equal letter of the word. Each letter counts at most once.
AttemptScore ScoreAttempt(std::string_view attempt, std::string_view word);

class WordGuess {
public:
    static constexpr int kRows = 17;         // the heading and the attempt rows
    static constexpr int kAttemptRows = 16;
    static constexpr int kMinLength = 4;
    static constexpr int kMaxLength = 7;
    static constexpr char kNotTyped = '-';

    enum class Phase { Input, Solved, Revealed };

    // One drawn row of attempts.
    struct Row {
        std::string letters;       // empty: never used
        bool scored = false;       // the counts are known ("?" otherwise)
        AttemptScore score;
        bool highlighted = false;  // the solved word
    };

    // A new game on `word` (a-z or A-Z, up to 15 letters).
    void Start(std::string_view word);
    // A new game on a random dictionary word of 4 to 7 letters; false (and
    // nothing changed) when the dictionary has none.
    bool StartWithRandomWord(const Dictionary& dict, RandomSource& random);

    // The letter buttons: a letter A-Z (either case), or "<<". False when the
    // press does nothing.
    bool PressLetter(char letter);
    bool PressBack();
    // "Conferma" is shown exactly when the attempt is complete.
    bool CanConfirm() const { return phase_ == Phase::Input && cursor_ == Length(); }
    // Scores the complete attempt; solved, the game stops taking input.
    AttemptScore Confirm();
    // "Cos'era?": shows the word as a solved row and stops the game.
    void Reveal();
    // The timer's tick: the cursor blinks.
    void Tick() { blinkOff_ = !blinkOff_; }

    Phase State() const { return phase_; }
    bool TakesInput() const { return phase_ == Phase::Input; }
    int Length() const { return static_cast<int>(hidden_.size()); }
    // 14 pixels a letter and 10 more: the width of the letter area.
    int WordWidth() const { return 14 * Length() + 10; }
    const std::string& HiddenWord() const { return hidden_; }
    const std::string& Attempt() const { return attempt_; }
    int CurrentRow() const { return row_; }
    const std::array<Row, kAttemptRows>& Rows() const { return rows_; }
    // The current row as drawn now: a blank at the cursor every other tick.
    std::string ShownAttempt() const;

private:
    void ShowAttemptInRow();

    std::string hidden_;
    std::string attempt_;
    int row_ = 0;
    int cursor_ = 0;
    bool blinkOff_ = false;
    Phase phase_ = Phase::Input;
    std::array<Row, kAttemptRows> rows_{};
};

}  // namespace sillabor
