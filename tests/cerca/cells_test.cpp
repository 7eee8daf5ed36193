// Splitting a base into cells, and taking letters from a set with jokers.

#include "cerca/cells.h"

#include <gtest/gtest.h>

#include "search/output.h"
#include "support/collecting_sink.h"

namespace sillabor {
namespace {

struct ParseCellsTest : ::testing::Test {
    test::CollectingSink sink;
    Output out;
    CercaState state;

    ParseCellsTest() { out.SetSink(&sink); }

    std::vector<std::string> Cells() const {
        std::vector<std::string> cells;
        for (int k = 0; k < state.CellCount; ++k) cells.emplace_back(state.Cells[k]);
        return cells;
    }
};

TEST_F(ParseCellsTest, LettersJokersAndGroupsBecomeCellsInOrder) {
    state.Category = kCercaGrid;
    ASSERT_EQ(ParseCells(state, out, "a[qu]b*"), 4);
    EXPECT_EQ(Cells(), (std::vector<std::string>{"a", "qu", "b", "*"}));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(state.CellLength[k], k == 1 ? 2 : 1);
        EXPECT_EQ(state.CellFree[k], 1);
    }
    ASSERT_EQ(ParseCells(state, out, "[abcdef]"), 1);
    EXPECT_EQ(Cells(), (std::vector<std::string>{"abcdef"}));
    EXPECT_TRUE(sink.Lines().empty());
}

TEST_F(ParseCellsTest, GroupsComeFirstForIncludedWordsAndArrangedGrids) {
    state.Category = kCercaIncluded;
    ASSERT_EQ(ParseCells(state, out, "a[qu]b[sch]c"), 5);
    EXPECT_EQ(Cells(), (std::vector<std::string>{"sch", "qu", "a", "b", "c"}));
    EXPECT_EQ(state.CellLength[0], 3);
    EXPECT_EQ(state.CellLength[4], 1);

    state.Category = kCercaGrid;
    state.GridMode = kGridSolve;
    ParseCells(state, out, "a[qu]b");
    EXPECT_EQ(Cells(), (std::vector<std::string>{"a", "qu", "b"}));
    state.GridMode = kGridArrange;
    ParseCells(state, out, "a[qu]b");
    EXPECT_EQ(Cells(), (std::vector<std::string>{"qu", "a", "b"}));
}

TEST_F(ParseCellsTest, ReadsAtMostNinetyOneCells) {
    EXPECT_EQ(ParseCells(state, out, std::string(120, 'e') + "[ab"), kMaxCells);
    EXPECT_EQ(state.CellCount, kMaxCells);
    EXPECT_TRUE(sink.Lines().empty());
}

TEST_F(ParseCellsTest, ReportsGroupsTooLongWhenTheSeventhLetterIsFollowed) {
    EXPECT_EQ(ParseCells(state, out, "[abcdefg]"), -1);
    EXPECT_EQ(ParseCells(state, out, "x[abcdefgh]"), -1);
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{
                                "[abcdefg]", std::string(50, '-'),
                                "I gruppi devono avere lunghezza massima uguale a 6",
                                "x[abcdefgh]", std::string(50, '-'),
                                "I gruppi devono avere lunghezza massima uguale a 6"}));
}

TEST_F(ParseCellsTest, ReportsBracketErrorsAndJokersInGroups) {
    for (const char* text : {"a]b", "[]", "[a[b]]", "ab[cd"}) {
        sink.Reset();
        EXPECT_EQ(ParseCells(state, out, text), -1) << text;
        EXPECT_EQ(sink.Lines(), (std::vector<std::string>{text, std::string(50, '-'), "Errore nelle parentesi!"}))
            << text;
    }
    sink.Reset();
    EXPECT_EQ(ParseCells(state, out, "a[q*]"), -1);
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"I gruppi non possono contenere Jolly (*)"}));
}

TEST(CoverLetters, CountsTheJokersUsedOrRefuses) {
    const LetterCount casa = ComputeLetterCount("casa");
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("asa"), 0), 1);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("casa"), 2), 1);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("cassa"), 0), 0);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("cassa"), 1), 2);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("cosso"), 2), 0);  // three letters missing
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("sss"), 2), 3);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("casata"), 1), 0);  // longer than letters and jokers
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("cassata"), 3), 4);
    EXPECT_EQ(CoverLetters(casa, ComputeLetterCount("cassata"), 2), 0);
}

}  // namespace
}  // namespace sillabor
