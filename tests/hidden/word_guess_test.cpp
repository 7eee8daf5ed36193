// The word game's rules: scoring neri and bianchi, the letter buttons, the
// rows that attempts fill and cover, the end of a game, and the word drawn.

#include "hidden/word_guess.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

void Type(WordGuess& game, const std::string& letters) {
    for (char c : letters) game.PressLetter(c);
}

TEST(WordGuessTest, ScoresExactPlacesFirstAndEachLetterOnce) {
    const struct {
        const char* attempt;
        int neri, bianchi;
    } cases[] = {
        {"CASA", 4, 0}, {"ASAC", 0, 4}, {"AAAA", 2, 0}, {"SSSS", 1, 0},
        {"AACC", 1, 2}, {"CCCC", 1, 0}, {"ACZZ", 0, 2}, {"ZZZZ", 0, 0},
    };
    for (const auto& c : cases) {
        const AttemptScore score = ScoreAttempt(c.attempt, "CASA");
        EXPECT_EQ(score.neri, c.neri) << c.attempt;
        EXPECT_EQ(score.bianchi, c.bianchi) << c.attempt;
    }
}

TEST(WordGuessTest, LettersFillTheAttemptAndConfirmScoresIt) {
    WordGuess game;
    game.Start("rosa");
    EXPECT_EQ(game.HiddenWord(), "ROSA");
    EXPECT_EQ(game.WordWidth(), 66);
    EXPECT_EQ(game.Attempt(), "----");
    EXPECT_FALSE(game.PressBack());  // nothing typed yet
    Type(game, "ors");
    EXPECT_FALSE(game.CanConfirm());
    EXPECT_TRUE(game.PressBack());
    EXPECT_EQ(game.Attempt(), "OR--");
    Type(game, "aso");
    EXPECT_EQ(game.Attempt(), "ORAS");
    EXPECT_TRUE(game.CanConfirm());
    EXPECT_FALSE(game.PressLetter('x'));  // the attempt is complete

    const AttemptScore score = game.Confirm();
    EXPECT_EQ(score.neri, 0);
    EXPECT_EQ(score.bianchi, 4);
    EXPECT_TRUE(game.Rows()[0].scored);
    EXPECT_EQ(game.Rows()[0].letters, "ORAS");
    EXPECT_EQ(game.CurrentRow(), 1);
    EXPECT_EQ(game.Attempt(), "----");
    EXPECT_FALSE(game.Rows()[1].scored);

    // The right word ends the game on a highlighted row.
    Type(game, "ROSA");
    EXPECT_EQ(game.Confirm().neri, 4);
    EXPECT_EQ(game.State(), WordGuess::Phase::Solved);
    EXPECT_TRUE(game.Rows()[1].highlighted);
    EXPECT_FALSE(game.PressLetter('A'));
    EXPECT_FALSE(game.CanConfirm());
}

TEST(WordGuessTest, TheSeventeenthAttemptCoversTheFirstRow) {
    WordGuess game;
    game.Start("MARE");
    for (int i = 0; i < WordGuess::kAttemptRows; ++i) {
        Type(game, "ZZZZ");
        game.Confirm();
    }
    EXPECT_EQ(game.CurrentRow(), 0);
    EXPECT_EQ(game.Rows()[0].letters, "----");
    EXPECT_FALSE(game.Rows()[0].scored);
    EXPECT_TRUE(game.Rows()[1].scored);
    Type(game, "ERAM");
    EXPECT_EQ(game.Rows()[0].letters, "ERAM");
}

TEST(WordGuessTest, RevealEndsTheGameAndTheCursorBlinks) {
    WordGuess game;
    game.Start("MARE");
    Type(game, "M");
    EXPECT_EQ(game.ShownAttempt(), "M---");
    game.Tick();
    EXPECT_EQ(game.ShownAttempt(), "M --");
    game.Tick();
    EXPECT_EQ(game.ShownAttempt(), "M---");
    Type(game, "ARE");
    game.Tick();
    EXPECT_EQ(game.ShownAttempt(), "MARE");  // no cursor on a complete attempt

    game.Reveal();
    EXPECT_EQ(game.State(), WordGuess::Phase::Revealed);
    EXPECT_EQ(game.Rows()[0].letters, "MARE");
    EXPECT_TRUE(game.Rows()[0].highlighted);
    EXPECT_FALSE(game.PressBack());
}

TEST(WordGuessTest, TheWordIsADictionaryWordOfFourToSevenLetters) {
    test::Fixture f;
    f.LoadDefault({"re", "sei", "casa", "rosa", "abbastanza", "mangiatoie"});
    WordGuess game;
    ASSERT_TRUE(game.StartWithRandomWord(f.app->dict, f.app->random));
    const std::string word = game.HiddenWord();
    EXPECT_TRUE(word == "CASA" || word == "ROSA") << word;

    f.LoadDefault({"re", "sei", "abbastanza", "mangiatoie"});
    EXPECT_FALSE(game.StartWithRandomWord(f.app->dict, f.app->random));
    EXPECT_EQ(game.HiddenWord(), word);  // the old game stays as it was
}

}  // namespace
}  // namespace sillabor
