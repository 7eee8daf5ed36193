#pragma once
// Oxablock, the sliding board game: an 8 x 8 board whose middle 6 x 6 cells
// are blocks around 16 tiles; arrows at the sides of four rows and four
// columns shift a whole line by one cell. Clicks are in the pixels of the
// board's 302 x 302 image: cell (r, c) covers the 30 x 30 square at
// (30 (c + 1) + 1, 30 (r + 1) + 1).

#include <array>
#include <cstdint>

namespace sillabor {

class RandomSource;

// What a board of each kind shows on its tiles.
enum BoardKind : int {
    kBoardFourColours = 0,
    kBoardSixteenNumbers = 1,
    kBoardTwoColours = 2,
};

inline constexpr int32_t kEmptyCell = 0;
inline constexpr int32_t kBlockCell = 257;

enum ArrowDirection : uint8_t {
    kArrowUp = 0,
    kArrowDown = 1,
    kArrowLeft = 2,
    kArrowRight = 3,
    kArrowAbsent = 4,
};

struct BoardArrow {
    int32_t x = 0, y = 0, width = 0, height = 0;
    uint8_t direction = kArrowAbsent;

    bool Holds(int px, int py) const {
        return direction != kArrowAbsent && px >= x && px < x + width && py >= y && py < y + height;
    }
};

// The colour of a tile on a board of four or two colours: 0 yellow, 1 green,
// 2 blue, 3 red. Tiles of the sixteen-number board show their number instead.
int TileColour(int kind, int32_t value);

class SlidingBoard {
public:
    static constexpr int kSide = 8;
    static constexpr int kImageSide = 302;
    static constexpr int kCellPixels = 30;
    static constexpr int kArrows = 8;

    using Cells = std::array<std::array<int32_t, kSide>, kSide>;

    // A new board: kind = code / 256, tile pattern (0..3) = code % 256.
    void NewBoard(int code);
    // The buttons: "4 colori" and "2 colori" step their own pattern, which
    // lasts from game to game; "16 numeri" always shows the same board.
    void FourColoursClick();
    void TwoColoursClick();
    void SixteenNumbersClick() { NewBoard(kBoardSixteenNumbers * 256 + 1); }

    // A tick of the game's timer: the arrows that apply now, and one move allowed.
    void Tick();
    // A click on the image: when a move is allowed, takes it and shifts the line
    // of the arrow under the point, if any. True when the board changed.
    bool Click(int x, int y);
    // Shifts the line of the first present arrow holding the point.
    bool Move(int x, int y);
    // "Mescola": 100 random relabellings of the tiles; positions stay.
    void Shuffle(RandomSource& random);

    int Kind() const { return kind_; }
    const Cells& Board() const { return cells_; }
    int32_t Cell(int row, int column) const { return cells_[row][column]; }
    void SetCell(int row, int column, int32_t value) { cells_[row][column] = value; }
    const std::array<BoardArrow, kArrows>& Arrows() const { return arrows_; }
    bool MoveAllowed() const { return moveAllowed_; }
    int FourColourPattern() const { return fourColourPattern_; }

private:
    void UpdateArrows();
    void ShiftRow(int row, uint8_t direction);
    void ShiftColumn(int column, uint8_t direction);

    int kind_ = kBoardFourColours;
    Cells cells_{};
    std::array<BoardArrow, kArrows> arrows_{};
    bool moveAllowed_ = false;
    int fourColourPattern_ = 1;
    int twoColourPattern_ = 2;
};

}  // namespace sillabor
