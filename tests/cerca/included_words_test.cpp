// The words spelled with the letters and groups of the base, with jokers.

#include "cerca/included_words.h"

#include <algorithm>

#include "cerca/cerca_run.h"
#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

struct IncludedWordsTest : test::CercaTest {};

const std::vector<std::string> kWords = {"quota", "tuo", "casa", "case", "asca", "qua", "abc", "ca", "quaqua", "tua"};

TEST_F(IncludedWordsTest, ListsClassByClassWithTheJokersUsed) {
    f.LoadDefault(kWords);
    struct Case {
        const char* typed;
        const char* lines;
    };
    for (const Case& c : {
             // The u of quota is locked in its group: no tuo.
             Case{"(qu)ota", "quota|qua|--|Fine Ricerca"},
             Case{"casa*", "asca|casa|case (+1 jolly)|abc (+1 jolly)|ca|--|Fine Ricerca"},
             // Spelled by groups alone: no jokers shown even when typed.
             Case{"[qu][ota]*", "quota|qua (+1 jolly)|--|Fine Ricerca"},
             Case{"ca**", "asca (+2 jolly)|casa (+2 jolly)|case (+2 jolly)|abc (+1 jolly)|qua (+2 jolly)|"
                          "tua (+2 jolly)|ca|--|Fine Ricerca"},
             // A group typed twice is two cells; a group no word holds is left unused.
             Case{"[qu][qu]aa", "quaqua|qua|--|Fine Ricerca"},
             Case{"[xy]tuo", "tuo|--|Fine Ricerca"},
             // Groups of one length keep their typed order, which decides the
             // first way found to spell a word, and so its jokers.
             Case{"[ab][bc]c*", "abc (+1 jolly)|ca (+1 jolly)|--|Fine Ricerca"},
             Case{"[bc][ab]c*", "abc|ca (+1 jolly)|--|Fine Ricerca"},
         }) {
        EXPECT_EQ(Search(kCercaIncluded, c.typed), c.lines) << c.typed;
    }
    // The grid's options, even those that refuse jokers there, change nothing here.
    Type(kCercaIncluded, "", kGridArrange, false, true);
    EXPECT_EQ(Search(kCercaIncluded, "casa*"), "asca|casa|case (+1 jolly)|abc (+1 jolly)|ca|--|Fine Ricerca");
}

TEST_F(IncludedWordsTest, BracketErrorsEndTheCategoryAndTheCapEndsTheList) {
    f.LoadDefault(kWords);
    EXPECT_EQ(Search(kCercaIncluded, "[qu]o]"), "[qu]o]|--|Errore nelle parentesi!|--|Fine Ricerca");
    EXPECT_EQ(Search(kCercaIncluded, "casa", 4998), "asca|casa|--|Fine Ricerca");
}

// The grid's arrangement takes the first word its cells spell without jokers,
// and where each group it uses stands in that word.
TEST_F(IncludedWordsTest, TheFittingFormFindsTheFirstWordAndItsGroups) {
    f.LoadDefault(kWords);
    CercaGame& game = f.app->Get<CercaGame>();
    CercaResult result;
    CercaRun run{f.app->dict, f.app->out, f.app->state, f.app->random, f.app->top, game.state, game.indexes, result};
    Cerca().Category = kCercaGrid;
    Cerca().GridMode = kGridArrange;
    Cerca().BaseWord = "tao[qu]ss";
    ASSERT_TRUE(FitIncludedWord(run, kMaxCells));
    EXPECT_STREQ(f.app->dict.Words[Cerca().FittedWord], "quota");
    EXPECT_EQ(Cerca().GroupAtPosition[0], 0);
    EXPECT_EQ(std::count(std::begin(Cerca().GroupAtPosition), std::end(Cerca().GroupAtPosition), -1), 39);
    EXPECT_EQ(Cerca().CellCount, 6);
    // Only the cells that go into the grid count.
    ASSERT_TRUE(FitIncludedWord(run, 3));
    EXPECT_STREQ(f.app->dict.Words[Cerca().FittedWord], "qua");
    Cerca().BaseWord = "xyz";
    ASSERT_TRUE(FitIncludedWord(run, kMaxCells));
    EXPECT_EQ(Cerca().FittedWord, -1);
    Cerca().BaseWord = "x]";
    EXPECT_FALSE(FitIncludedWord(run, kMaxCells));
}

}  // namespace
}  // namespace sillabor
