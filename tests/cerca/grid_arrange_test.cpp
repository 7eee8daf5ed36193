// Arranging the letters of a grid: the word laid along a path, the layout
// given back, its replay from the same seed, and the solving that follows.

#include "cerca/grid_arrange.h"

#include <algorithm>

#include "cerca/cerca_test_support.h"
#include "cerca/grid_solver.h"

namespace sillabor {
namespace {

using Strings = std::vector<std::string>;

struct GridArrangeTest : test::CercaTest {
    // Arranges the typed grid with a fixed seed; returns the printed lines.
    Strings Arrange(const std::string& typed, CercaGridMode mode = kGridArrange, uint32_t seed = 7, bool diag = true) {
        Type(kCercaGrid, typed, mode, diag);
        f.app->random.SeedFrom(seed);
        Run(kCercaGrid, typed);
        return Lines();
    }
    // The rows of the arranged base, split at the blanks.
    Strings Rows() const {
        Strings rows;
        std::string text = result->arrangedBase.value_or("") + " ";
        for (size_t at = 0, end; (end = text.find(' ', at)) != std::string::npos; at = end + 1)
            rows.push_back(text.substr(at, end - at));
        return rows;
    }
};

std::string Sorted(std::string letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

const std::vector<std::string> kWords = {"casa", "cale", "mare", "tea", "sete", "rima", "pone", "rete", "arte",
                                         "tre", "aeree", "tori", "pio", "ape", "lesto", "letame", "lacerato"};

// The cells of the word as grid indexes along a path of adjacent cells, or
// an empty list when the arranged grid cannot spell it so.
bool SpellsAlongAPath(const CercaState& st, const std::string& word, bool diagonals) {
    const int n = st.GridSide;
    std::vector<bool> used(static_cast<size_t>(n * n));
    auto walk = [&](auto&& self, int cell, size_t p) -> bool {
        const std::string text = st.Cells[cell];
        if (used[cell] || word.compare(p, text.size(), text) != 0) return false;
        if (p + text.size() == word.size()) return true;
        used[cell] = true;
        for (int m = 0; m < n * n; ++m) {
            const int dr = std::abs(m / n - cell / n), dc = std::abs(m % n - cell % n);
            const bool adjacent = std::max(dr, dc) == 1 && (diagonals || dr + dc == 1);
            if (adjacent && self(self, m, p + text.size())) return true;
        }
        used[cell] = false;
        return false;
    };
    for (int c = 0; c < n * n; ++c)
        if (walk(walk, c, 0)) return true;
    return false;
}

TEST_F(GridArrangeTest, LaysTheLongestWordAlongAPathAndGivesTheGridBack) {
    f.LoadDefault(kWords);
    for (bool diagonals : {true, false}) {
        const Strings lines = Arrange("casaletomarinepo", kGridArrange, 7, diagonals);
        const Strings rows = Rows();
        ASSERT_EQ(rows.size(), 4u);
        std::string letters;
        for (const std::string& row : rows) {
            EXPECT_EQ(row.size(), 4u);
            letters += row;
        }
        // The same letters as typed, and the table shows them in their order.
        EXPECT_EQ(Sorted(letters), Sorted("casaletomarinepo"));
        EXPECT_EQ(Cerca().BaseWord, letters);
        ASSERT_EQ(lines.size(), 11u);
        for (int r = 0; r < 4; ++r) {
            std::string shown = rows[r];
            ToUpperLetters(shown);
            std::string expected = "|";
            for (char letter : shown) {
                expected += ' ';
                expected += letter;
                expected += " |";
            }
            EXPECT_EQ(lines[1 + 2 * r], expected);
        }
        EXPECT_EQ(lines.back(), "Fine Ricerca");
        EXPECT_EQ(f.app->state.FoundCount, 100);
        EXPECT_TRUE(SpellsAlongAPath(Cerca(), "lacerato", diagonals)) << letters;
    }
}

TEST_F(GridArrangeTest, TheSameSeedReplaysTheLayoutAndSolvingListsItsWords) {
    f.LoadDefault(kWords);
    const Strings first = Arrange("casaletomarinepo", kGridArrange, 11);
    ASSERT_TRUE(result->arrangedBase);
    const std::string layout = *result->arrangedBase;
    EXPECT_EQ(Arrange("casaletomarinepo", kGridArrange, 11), first);
    EXPECT_EQ(result->arrangedBase, layout);

    // "disp. & ris.": the arrangement, a line of one blank, then the words of
    // the arranged grid, exactly as solving it afterwards lists them.
    const Strings both = Arrange("casaletomarinepo", kGridArrangeThenSolve, 11);
    EXPECT_EQ(result->arrangedBase, layout);
    EXPECT_EQ(Cerca().GridMode, kGridArrangeThenSolve);
    ASSERT_GT(both.size(), 12u);
    EXPECT_EQ(both[9], " ");
    Type(kCercaGrid, layout);
    Run(kCercaGrid, layout);
    const Strings solved = Lines();
    EXPECT_EQ(Strings(both.begin() + 10, both.end()), Strings(solved.begin() + 9, solved.end()));
    EXPECT_NE(std::find(solved.begin(), solved.end(), "[ 8] lacerato"), solved.end());
}

// Only the first 16 of 20 cells go into the grid, and only they may spell the
// word laid along the path: lacerato would need the l left out.
TEST_F(GridArrangeTest, TheWordIsSpelledByTheCellsThatGoIntoTheGrid) {
    f.LoadDefault(kWords);
    const Strings lines = Arrange("casaetomarinepoalxyz");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "20 lettere ?!?!  Assumo tabella 4 x 4");
    EXPECT_EQ(Sorted(Cerca().BaseWord), Sorted("casaetomarinepoa"));
    EXPECT_STREQ(f.app->dict.Words[Cerca().FittedWord], "casa");
    EXPECT_TRUE(SpellsAlongAPath(Cerca(), "casa", true)) << Rows()[0];
}

TEST_F(GridArrangeTest, GroupsStayOneCellAndCellsSpellingNothingChangeNothing) {
    f.LoadDefault({"quota", "tuo", "casa", "mare"});
    Arrange("[qu]otaxxxxxxxxxxxx");
    const std::string text = result->arrangedBase.value_or("");
    EXPECT_NE(text.find("[qu]"), std::string::npos) << text;
    EXPECT_EQ(Rows().size(), 4u);
    EXPECT_TRUE(SpellsAlongAPath(Cerca(), "quota", true)) << text;

    EXPECT_EQ(Arrange("zzzzzzzzzzzzzzzz"),
              (Strings{"Con queste lettere non riesco a trovare nulla", std::string(kSeparatorLine), "Fine Ricerca"}));
    EXPECT_FALSE(result->arrangedBase);  // the base field keeps what was typed
    EXPECT_EQ(Cerca().BaseWord, "zzzzzzzzzzzzzzzz");
}

}  // namespace
}  // namespace sillabor
