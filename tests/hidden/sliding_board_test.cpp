// Oxablock's rules: the boards of each pattern and kind, the arrows that apply,
// the moves they make, one move per tick, and the relabelling shuffle.

#include "hidden/sliding_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "base/random_source.h"

namespace sillabor {
namespace {

using Inner = std::array<std::array<int32_t, 4>, 4>;
using Line = std::array<int32_t, 8>;

Inner InnerTiles(const SlidingBoard& board) {
    Inner tiles{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) tiles[r][c] = board.Cell(r + 2, c + 2);
    return tiles;
}

Line Row(const SlidingBoard& board, int r) {
    Line line{};
    for (int c = 0; c < 8; ++c) line[c] = board.Cell(r, c);
    return line;
}

Line Column(const SlidingBoard& board, int c) {
    Line line{};
    for (int r = 0; r < 8; ++r) line[r] = board.Cell(r, c);
    return line;
}

constexpr int32_t B = kBlockCell;

TEST(SlidingBoardTest, PatternsKindsAndTheirButtons) {
    const Inner patterns[4] = {
        {{{1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}}},
        {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}},
        {{{1, 6, 11, 16}, {2, 7, 12, 1}, {3, 8, 13, 2}, {4, 9, 14, 3}}},
        {{{1, 3, 5, 7}, {9, 11, 13, 15}, {2, 4, 6, 8}, {10, 12, 14, 16}}},
    };
    SlidingBoard board;
    for (int p = 0; p < 4; ++p) {
        board.NewBoard(p);
        EXPECT_EQ(InnerTiles(board), patterns[p]) << p;
    }
    // The ring is empty and the blocks surround the tiles.
    EXPECT_EQ(Row(board, 0), (Line{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Row(board, 1), (Line{0, B, B, B, B, B, B, 0}));
    EXPECT_EQ(Row(board, 3), (Line{0, B, 9, 11, 13, 15, B, 0}));

    // The first "4 colori" shows pattern 2, the first "2 colori" pattern 3;
    // each button steps its own pattern, round to 0.
    board.FourColoursClick();
    EXPECT_EQ(board.Kind(), kBoardFourColours);
    EXPECT_EQ(InnerTiles(board), patterns[2]);
    board.TwoColoursClick();
    EXPECT_EQ(board.Kind(), kBoardTwoColours);
    EXPECT_EQ(InnerTiles(board), patterns[3]);
    board.FourColoursClick();
    board.FourColoursClick();
    EXPECT_EQ(InnerTiles(board), patterns[0]);
    board.SixteenNumbersClick();
    EXPECT_EQ(board.Kind(), kBoardSixteenNumbers);
    EXPECT_EQ(InnerTiles(board), patterns[1]);

    // Pattern 3 in two colours: two rows of one colour, then two of the other.
    EXPECT_EQ(TileColour(kBoardTwoColours, 1), TileColour(kBoardTwoColours, 9));
    EXPECT_NE(TileColour(kBoardTwoColours, 1), TileColour(kBoardTwoColours, 2));
    EXPECT_EQ(TileColour(kBoardFourColours, 6), 1);
}

TEST(SlidingBoardTest, ArrowsOfANewBoardPointTowardsTheEmptyEnds) {
    SlidingBoard board;
    board.NewBoard(0);
    board.Tick();
    const std::array<int32_t, 5> expected[8] = {  // x, y, width, height, direction
        {211, 121, 60, 30, kArrowLeft},  {211, 181, 60, 30, kArrowLeft}, {31, 151, 60, 30, kArrowRight},
        {31, 91, 60, 30, kArrowRight},   {121, 31, 30, 60, kArrowDown},  {181, 31, 30, 60, kArrowDown},
        {91, 211, 30, 60, kArrowUp},     {151, 211, 30, 60, kArrowUp},
    };
    for (size_t i = 0; i < 8; ++i) {
        const BoardArrow& a = board.Arrows()[i];
        EXPECT_EQ((std::array<int32_t, 5>{a.x, a.y, a.width, a.height, a.direction}), expected[i]) << "arrow " << i;
    }
}

TEST(SlidingBoardTest, MovesShiftWholeLinesAndLoseWhatFallsOff) {
    SlidingBoard board;
    board.NewBoard(1);
    const Line row3 = Row(board, 3);
    board.Tick();
    ASSERT_TRUE(board.Click(215, 125));  // row 3, left: its left end is empty
    EXPECT_EQ(Row(board, 3), (Line{B, 5, 6, 7, 8, B, 0, 0}));
    // One move per tick.
    EXPECT_FALSE(board.Click(215, 125));
    EXPECT_EQ(Row(board, 3), (Line{B, 5, 6, 7, 8, B, 0, 0}));

    // Now its left end is full: the arrow is at the left and shifts right, back.
    board.Tick();
    EXPECT_EQ(board.Arrows()[0].x, 1);
    EXPECT_EQ(board.Arrows()[0].direction, kArrowRight);
    ASSERT_TRUE(board.Click(5, 125));
    EXPECT_EQ(Row(board, 3), row3);

    // With both ends full the far end's value is lost.
    board.SetCell(4, 0, 16);
    board.SetCell(4, 7, 14);
    board.Tick();
    EXPECT_EQ(board.Arrows()[2].direction, kArrowLeft);
    ASSERT_TRUE(board.Click(250, 160));
    EXPECT_EQ(Row(board, 4), (Line{B, 9, 10, 11, 12, B, 14, 0}));

    // Columns: column 3 down from the top, then column 2 up to the top.
    board.Tick();
    ASSERT_TRUE(board.Click(130, 40));
    EXPECT_EQ(Column(board, 3), (Line{0, 0, B, 2, 6, 11, 14, B}));
    board.Tick();
    ASSERT_TRUE(board.Click(100, 250));
    EXPECT_EQ(Column(board, 2), (Line{B, 1, 5, 10, 13, B, 0, 0}));

    // Outside every arrow nothing moves.
    board.Tick();
    EXPECT_FALSE(board.Click(150, 150));
}

TEST(SlidingBoardTest, ALineWhoseCrossingCellsHoldABlockHasNoArrow) {
    SlidingBoard board;
    board.NewBoard(0);
    board.SetCell(5, 2, kBlockCell);  // row 5 crosses column 2 here
    board.SetCell(3, 5, kBlockCell);  // column 5 crosses row 3 here
    board.Tick();
    EXPECT_EQ(board.Arrows()[1].direction, kArrowAbsent);
    EXPECT_EQ(board.Arrows()[5].direction, kArrowAbsent);
    EXPECT_EQ(board.Arrows()[6].direction, kArrowUp);  // column 2 checks rows 2 and 4
    const Line row5 = Row(board, 5);
    EXPECT_FALSE(board.Click(215, 185));
    EXPECT_EQ(Row(board, 5), row5);
}

TEST(SlidingBoardTest, ShuffleRelabelsTilesInPlace) {
    SlidingBoard board;
    board.NewBoard(2 * 256 + 1);
    board.SetCell(0, 0, 3);  // a tile moved out to the ring is relabelled too
    RandomSource random;
    random.Seed(7);
    board.Shuffle(random);
    std::vector<int32_t> tiles;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const int32_t v = board.Cell(r, c);
            const bool tilePlace = (r >= 2 && r <= 5 && c >= 2 && c <= 5) || (r == 0 && c == 0);
            EXPECT_EQ(v >= 1 && v <= 16, tilePlace) << r << "," << c;
            if (tilePlace && !(r == 0 && c == 0)) tiles.push_back(v);
        }
    std::sort(tiles.begin(), tiles.end());
    EXPECT_EQ(tiles, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(board.Cell(1, 1), kBlockCell);
}

}  // namespace
}  // namespace sillabor
