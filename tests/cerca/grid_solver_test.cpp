// Solving the letter grid: its table, its words, and the options of the page.

#include "cerca/grid_solver.h"

#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

using Strings = std::vector<std::string>;
const std::string kSep(kSeparatorLine);

struct GridSolverTest : test::CercaTest {
    // The grid typed in solving mode, with or without diagonals and reuse.
    Strings Solve(const std::string& typed, bool diag = true, bool riuso = false) {
        Type(kCercaGrid, typed, kGridSolve, diag, riuso);
        Run(kCercaGrid, typed);
        return Lines();
    }
};

const std::vector<std::string> kWords = {"casa", "cale", "mare", "tea", "sete", "rima", "pone", "rete",
                                         "arte", "tre",  "aeree", "tori", "pio", "ape", "lesto", "letame"};
const Strings kTable = {"-----------------", "| C | A | S | A |", "-----------------", "| L | E | T | O |",
                        "-----------------", "| M | A | R | I |", "-----------------", "| N | E | P | O |",
                        "-----------------"};

Strings With(Strings lines, const Strings& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

TEST_F(GridSolverTest, ListsTheLongestWordsFirstWithAndWithoutDiagonalsAndReuse) {
    f.LoadDefault(kWords);
    EXPECT_EQ(Solve("casa leto mari nepo"),
              With(kTable, {"Ho trovato 11 parole distinte di almeno 3 caratteri", kSep, "[ 6] letame", "[ 5] lesto",
                            "[ 4] tori", "[ 4] mare", "[ 4] casa", "[ 4] cale", "[ 4] arte", "[ 3] tre", "[ 3] tea",
                            "[ 3] pio", "[ 3] ape", kSep, "Fine Ricerca"}));
    EXPECT_EQ(f.app->state.FoundCount, 100);  // the percentage of start cells done
    EXPECT_EQ(Solve("casaletomarinepo", false),
              With(kTable, {"Ho trovato 3 parole distinte di almeno 3 caratteri", kSep, "[ 4] casa", "[ 4] arte",
                            "[ 3] tea", kSep, "Fine Ricerca"}));
    // Reuse lets a path come back to a cell: sete and rete.
    EXPECT_EQ(Solve("casaletomarinepo", true, true),
              With(kTable, {"Ho trovato 13 parole distinte di almeno 3 caratteri", kSep, "[ 6] letame", "[ 5] lesto",
                            "[ 4] tori", "[ 4] sete", "[ 4] rete", "[ 4] mare", "[ 4] casa", "[ 4] cale",
                            "[ 4] arte", "[ 3] tre", "[ 3] tea", "[ 3] pio", "[ 3] ape", kSep, "Fine Ricerca"}));
}

TEST_F(GridSolverTest, GroupsJokersAndTheCountOfCells) {
    f.LoadDefault({"quota", "tuo", "otto", "toto", "tot"});
    // A group is one cell with all its letters; 17 cells make a 4 x 4 grid.
    const std::string x12(12, 'x');
    EXPECT_EQ(Solve("[qu]otaeq" + std::string(11, 'x')),
              (Strings{"17 lettere ?!?!  Assumo tabella 4 x 4", "---------------------", "| QU |  O |  T |  A |",
                       "---------------------", "|  E |  Q |  X |  X |", "---------------------",
                       "|  X |  X |  X |  X |", "---------------------", "|  X |  X |  X |  X |",
                       "---------------------", "Ho trovato 1 parole distinte di almeno 3 caratteri", kSep,
                       "[ 5] quota", kSep, "Fine Ricerca"}));
    // The joker stands for one letter at a time.
    EXPECT_EQ(Solve("t*ts" + x12, false),
              (Strings{"-----------------", "| T | * | T | S |", "-----------------", "| X | X | X | X |",
                       "-----------------", "| X | X | X | X |", "-----------------", "| X | X | X | X |",
                       "-----------------", "Ho trovato 1 parole distinte di almeno 3 caratteri", kSep, "[ 3] tot",
                       kSep, "Fine Ricerca"}));
    EXPECT_EQ(Solve("abcdefghijklmno"),
              (Strings{"abcdefghijklmno", kSep, "Devi inserire 16 o 25 lettere o gruppi di lettere!", kSep,
                       "Fine Ricerca"}));
}

// 3875 words over a..e: more than 500 in the grid. Each distinct word counts
// once, however many paths spell it and whether or not it is still kept.
TEST_F(GridSolverTest, PastFiveHundredWordsTheLongestAreKeptAndEachWordCountsOnce) {
    std::vector<std::string> words;
    for (int length = 3; length <= 5; ++length) {
        int count = 1;
        for (int i = 0; i < length; ++i) count *= 5;
        for (int k = 0; k < count; ++k) {
            std::string w;
            for (int i = 0, v = k; i < length; ++i, v /= 5) w.insert(w.begin(), static_cast<char>('a' + v % 5));
            words.push_back(w);
        }
    }
    f.LoadDefault(words);
    const Strings lines = Solve("abcde cdeab eabcd bcdea deabc");
    ASSERT_EQ(lines.size(), 512u);
    EXPECT_EQ(Strings(lines.begin() + 7, lines.begin() + 12),
              (Strings{"Ho trovato 1664 parole distinte di almeno 3 caratteri", "Le 500 parole piu' lunghe sono :",
                       kSep, "[ 5] edede", "[ 5] ededc"}));
    EXPECT_EQ(lines[509], "[ 5] dabca");
}

TEST_F(GridSolverTest, AStopLeavesOnlyTheTable) {
    f.LoadDefault(kWords);
    Type(kCercaGrid, "casaletomarinepo");
    Cerca().BaseWord = "casaletomarinepo";
    EXPECT_EQ(SearchStopped(kCercaGrid),
              "-----------------|| C | A | S | A ||-----------------|| L | E | T | O ||-----------------|"
              "| M | A | R | I ||-----------------|| N | E | P | O ||-----------------|--|Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
