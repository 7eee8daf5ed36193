// Splitting a base into cells, and taking letters from a set with jokers.

#include "cerca/cells.h"

#include <gtest/gtest.h>

#include "base/output.h"
#include "support/collecting_sink.h"

namespace sillabor {
namespace {

using Strings = std::vector<std::string>;
const std::string kSep(50, '-');

struct ParseCellsTest : ::testing::Test {
    test::CollectingSink sink;
    Output out;
    CercaState state;

    ParseCellsTest() { out.SetSink(&sink); }

    Strings Cells(std::string_view text) {
        int n = ParseCells(state, out, text);
        EXPECT_EQ(n, state.CellCount);
        Strings cells;
        for (int k = 0; k < state.CellCount; ++k) {
            cells.emplace_back(state.Cells[k]);
            EXPECT_EQ(state.CellLength[k], static_cast<int>(cells.back().size()));
            EXPECT_EQ(state.CellFree[k], 1);
        }
        return cells;
    }
};

TEST_F(ParseCellsTest, SplitsLettersJokersAndGroupsSortingGroupsFirstWhenAsked) {
    state.Category = kCercaGrid;
    EXPECT_EQ(Cells("a[qu]b*"), (Strings{"a", "qu", "b", "*"}));
    EXPECT_EQ(Cells("[abcdef]"), (Strings{"abcdef"}));
    state.GridMode = kGridArrange;
    EXPECT_EQ(Cells("a[qu]b"), (Strings{"qu", "a", "b"}));
    state.Category = kCercaIncluded;
    EXPECT_EQ(Cells("a[qu]b[sch]c"), (Strings{"sch", "qu", "a", "b", "c"}));
    // At most 91 cells; the rest of the text is not read.
    EXPECT_EQ(Cells(std::string(120, 'e').append("[ab")).size(), 91u);
    EXPECT_TRUE(sink.Lines().empty());
}

TEST_F(ParseCellsTest, ReportsGroupsTooLongBracketErrorsAndJokersInGroups) {
    EXPECT_EQ(ParseCells(state, out, "[abcdefg]"), -1);  // at the closing bracket
    EXPECT_EQ(sink.Lines(), (Strings{"[abcdefg]", kSep, "I gruppi devono avere lunghezza massima uguale a 6"}));
    for (const char* text : {"a]b", "[]", "[a[b]]", "ab[cd"}) {
        sink.Reset();
        EXPECT_EQ(ParseCells(state, out, text), -1) << text;
        EXPECT_EQ(sink.Lines(), (Strings{text, kSep, "Errore nelle parentesi!"})) << text;
    }
    sink.Reset();
    EXPECT_EQ(ParseCells(state, out, "a[q*]"), -1);
    EXPECT_EQ(sink.Lines(), (Strings{"I gruppi non possono contenere Jolly (*)"}));
}

TEST(CoverLetters, CountsTheJokersUsedOrRefuses) {
    const LetterCount casa = ComputeLetterCount("casa");
    auto cover = [&](const char* need, int jokers) { return CoverLetters(casa, ComputeLetterCount(need), jokers); };
    EXPECT_EQ(cover("asa", 0), 1);
    EXPECT_EQ(cover("casa", 2), 1);
    EXPECT_EQ(cover("cassa", 0), 0);
    EXPECT_EQ(cover("cassa", 1), 2);
    EXPECT_EQ(cover("cassata", 3), 4);
    EXPECT_EQ(cover("cassata", 2), 0);  // one letter short
    EXPECT_EQ(cover("cosso", 2), 0);    // enough in total, but three letters missing
}

}  // namespace
}  // namespace sillabor
