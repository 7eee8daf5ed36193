// The cryptogram solver on tiny dictionaries: both notations, known letters,
// jokers, the refusals, the cap, and the word array it leaves in length order.

#include "decrit/cryptogram_solver.h"

#include <gtest/gtest.h>

#include <memory>
#include <variant>

#include "app/run_game.h"
#include "decrit/decrit_game.h"
#include "decrit/cryptogram_reader.h"
#include "dictionary/word_orders.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

const std::string kSeparator(50, '-');
using Lines = std::vector<std::string>;

struct SolverTest : ::testing::Test {
    test::Fixture f;
    DecritGame& game() { return f.app->Get<DecritGame>(); }

    // The search of the text, its result in `shown`.
    SearchJob Job(const std::string& text) {
        shown = std::make_shared<DecritResult>();
        return game().Job({kDecrittaSearch, text}, shown);
    }
    // Solves the text through RunGame; the printed lines, the separator as "--".
    Lines Solve(const std::string& text, int expectedStatus = 0) {
        f.sink.Reset();
        EXPECT_EQ(RunGame(*f.app, Job(text)), expectedStatus) << text;
        Lines lines = f.sink.Lines();
        for (std::string& line : lines)
            if (line == kSeparator) line = "--";
        return lines;
    }

    std::shared_ptr<DecritResult> shown;
};

TEST_F(SolverTest, BothNotationsFindTheSameWordsInDictionaryOrder) {
    f.LoadDefault({"alga", "alla", "anca", "arca", "aria", "casa", "erre", "orco", "otto", "rosa", "ala"});
    const Lines abca = {"alga ", "anca ", "arca ", "aria ", "orco ", "--"};
    EXPECT_EQ(Solve("abca"), abca);
    EXPECT_EQ(Solve("1 2 3 1"), abca);
    EXPECT_EQ(f.app->state.FoundCount, 5);
    EXPECT_EQ(Solve("XYZX"), abca);
}

TEST_F(SolverTest, WordsAreSeparatedBySpacesLineBreaksOrTwoSpacesBetweenNumbers) {
    f.LoadDefault({"io", "oi", "tu", "ut", "re", "se", "ed"});
    const Lines pairs = {"io oi ", "oi io ", "tu ut ", "ut tu ", "--"};
    EXPECT_EQ(Solve("ab ba"), pairs);
    EXPECT_EQ(Solve("ab\nba"), pairs);
    EXPECT_EQ(Solve("1 2  2 1"), pairs);
    EXPECT_EQ(Solve("1 2\n2 1"), pairs);
    // One space between numbers: a single word of four symbols, which no word fits.
    EXPECT_EQ(Solve("1 2 2 1"), (Lines{"NESSUNA SOLUZIONE TROVATA !", "--"}));
}

TEST_F(SolverTest, KnownLettersAmongNumbersAreFixedAndTakeTheirOwnSymbols) {
    f.LoadDefault({"ala", "ava", "sas", "tat", "ale", "ape", "ave", "aae", "tot", "pane", "pena"});
    // The outer letters are equal and cannot be the known a.
    EXPECT_EQ(Solve("1 a 1"), (Lines{"sas ", "tat ", "--"}));
    // Two different known letters: each has a symbol of its own.
    EXPECT_EQ(Solve("a 1 e"), (Lines{"ale ", "ape ", "ave ", "--"}));
    EXPECT_EQ(Solve("3 a 1 e  a 3 e"), (Lines{"pane ape ", "--"}));
}

TEST_F(SolverTest, AJokerTakesAnyLetterEvenOneAlreadyUsed) {
    f.LoadDefault({"aaa", "ala", "bob", "ora", "oro", "ozono"});
    EXPECT_EQ(Solve("a*a"), (Lines{"aaa ", "ala ", "bob ", "oro ", "--"}));
    EXPECT_EQ(Solve("1 * 1"), (Lines{"aaa ", "ala ", "bob ", "oro ", "--"}));
    EXPECT_EQ(Solve("***"), (Lines{"aaa ", "ala ", "bob ", "ora ", "oro ", "--"}));
}

TEST(DecritCheckTest, RefusesTooManyWordsNumbersOutOfRangeAndTooManySymbols) {
    std::string allSymbols;
    for (int n = 1; n <= 26; ++n) allSymbols += std::to_string(n) + " ";
    const Lines tooMany = {"Al massimo 20 parole!"};
    const Lines badNumber = {"Errore :", "Puoi usare solo i numeri da 1 a 26!"};
    const Lines tooManySymbols = {"Errore :", "Al massimo, tra lettere e numeri, si possono", "usare 26 simboli !"};
    const struct {
        std::string text;
        Lines refusal;  // empty: accepted
    } cases[] = {
        {"a b c d e f g h i j k l m n o p q r s t u", tooMany},
        {"a a a a a a a a a a a a a a a a a a a a", {}},
        {"27", badNumber},
        {"1 0", badNumber},
        {"26 1", {}},
        {allSymbols + "a", tooManySymbols},
        {allSymbols, {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const Checked<DecritRequest> checked = CheckDecritRequest({kDecrittaSearch, c.text});
        const auto* refusal = std::get_if<Refusal>(&checked);
        EXPECT_EQ(refusal ? refusal->lines : Lines{}, c.refusal) << c.text;
    }
    // "Coppie?" has nothing to refuse.
    EXPECT_TRUE(std::holds_alternative<DecritRequest>(CheckDecritRequest({kCoppieSearch, "27"})));
}

TEST_F(SolverTest, ARefusalIsPrintedAndTwentyWordsAreSolved) {
    f.LoadDefault({"a", "e", "tu"});
    EXPECT_EQ(Solve("1 0", 1), (Lines{"Errore :", "Puoi usare solo i numeri da 1 a 26!"}));
    EXPECT_EQ(Solve("a a a a a a a a a a a a a a a a a a a a"),
              (Lines{"a a a a a a a a a a a a a a a a a a a a ", "e e e e e e e e e e e e e e e e e e e e ", "--"}));
}

// The page shows the text as the solver read it, refused or not.
TEST_F(SolverTest, TheResultHoldsTheCryptogramOneWordALine) {
    f.LoadDefault({"ciao", "mondo", "tu"});
    EXPECT_EQ(Solve("Ciao,  M\xF2ndo!\n"), (Lines{"ciao mondo ", "--"}));
    EXPECT_EQ(shown->cryptogram, "ciao\nmondo");
    Solve("1 2  3 4 5\n\n 6 ,7");
    EXPECT_EQ(shown->cryptogram, "1 2\n3 4 5\n6\n7");
    Solve("1 2  27", 1);
    EXPECT_EQ(shown->cryptogram, "1 2\n27");
    const SearchJob pairs = game().Job({kCoppieSearch, ""}, shown = std::make_shared<DecritResult>());
    EXPECT_EQ(RunGame(*f.app, pairs), 0);
    EXPECT_FALSE(shown->cryptogram);
}

TEST_F(SolverTest, StopsAfterAThousandSolutions) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'l'; ++a)
        for (char b = 'a'; b <= 'l'; ++b)
            for (char c = 'a'; c <= 'l'; ++c)
                if (a != b && b != c && a != c) words.push_back({a, b, c});
    ASSERT_GT(words.size(), 1000u);
    f.LoadDefault(words);
    const Lines lines = Solve("abc");
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines.front(), "abc ");
    EXPECT_EQ(lines.back(), "--");
    EXPECT_EQ(f.app->state.FoundCount, 1000);
}

TEST_F(SolverTest, NoSolutionsWordsTooLongAndEmptyText) {
    f.LoadDefault({"casa", "rosa", "tu"});
    const Lines none = {"NESSUNA SOLUZIONE TROVATA !", "--"};
    EXPECT_EQ(Solve("abca"), none);
    EXPECT_EQ(Solve(std::string(45, 'a').append(" casa")), none);
    EXPECT_EQ(Solve(" ,; "), none);
    f.app->state.StopRequested = true;
    f.sink.Reset();
    EXPECT_EQ(f.RunAsIs(Job("casa")), 0);
    EXPECT_TRUE(f.sink.Lines().empty());
}

TEST_F(SolverTest, WordsOfJokersComeLastSoADeadEndShowsBeforeTheirProduct) {
    // ab bc ac has no solution (io ot ti is a cycle); the seventeen "***" words
    // have fewer candidates each: tried first, they would multiply to 3^17 tries.
    f.LoadDefault({"io", "ot", "ti", "xy", "sei", "tre", "due"});
    std::string text = "ab bc ac";
    for (int k = 0; k < 17; ++k) text += " ***";
    EXPECT_EQ(Solve(text), (Lines{"NESSUNA SOLUZIONE TROVATA !", "--"}));
    EXPECT_EQ(Solve("ab bc ***"), (Lines{"io ot due ", "io ot sei ", "io ot tre ", "ot ti due ", "ot ti sei ",
                                         "ot ti tre ", "ti io due ", "ti io sei ", "ti io tre ", "--"}));
}

TEST_F(SolverTest, CandidatesThatDifferOnlyUnderJokersShareADeadEnd) {
    // Eight symbols, each before a joker, can start with seven letters only: a
    // dead end found seven words deep. Each of those words has six candidates
    // per letter (the joker's), which tried one by one would multiply the
    // seven levels by 6^7 (minutes).
    std::vector<std::string> words;
    for (char first = 'a'; first <= 'g'; ++first)
        for (char second = 'u'; second <= 'z'; ++second) words.push_back({first, second});
    f.LoadDefault(words);
    EXPECT_EQ(Solve("h* i* j* k* l* m* n* o* *p"), (Lines{"NESSUNA SOLUZIONE TROVATA !", "--"}));
    // Where the search goes on, every candidate is still a solution of its own.
    EXPECT_EQ(Solve("h* h*").size(), 42u * 6u + 1u);
}

TEST_F(SolverTest, LeavesTheWordsInLengthOrderAndSortsAnyOtherOrderAgain) {
    f.LoadDefault({"rosa", "re", "casa", "ala", "io"});
    Dictionary& dict = f.app->dict;
    EXPECT_EQ(Solve("ab"), (Lines{"io ", "re ", "--"}));
    EXPECT_TRUE(dict.NotAlphabetical);
    Lines order;
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) order.push_back(dict.Words[slot]);
    EXPECT_EQ(order, (Lines{"io", "re", "ala", "casa", "rosa"}));
    // Another page's order that is not by length.
    SortRhymeOrder(dict.Words.data() + 1, static_cast<size_t>(dict.WordCount - 1));
    EXPECT_EQ(Solve("abcb"), (Lines{"casa ", "--"}));
    EXPECT_EQ(Solve("ab"), (Lines{"io ", "re ", "--"}));
}

}  // namespace
}  // namespace sillabor
