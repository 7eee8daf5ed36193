#include "hidden/sliding_board.h"

#include "base/random_source.h"

namespace sillabor {

namespace {

// One of the eight lines that can shift, and where its arrow goes.
struct LineRule {
    bool isRow;
    int line;
    // The arrow's fixed coordinate: y of a row arrow, x of a column arrow.
    int32_t fixed;
    // The line shifts only when neither of these two cells holds a block
    // (row/column pairs; {-1, -1} for a line that always shifts).
    int crossA[2];
    int crossB[2];
    // The cell at the end the line shifts towards when it is empty.
    int end[2];
    int32_t placeIfEmpty;
    uint8_t directionIfEmpty;
    int32_t placeOtherwise;
    uint8_t directionOtherwise;
};

constexpr LineRule kLines[SlidingBoard::kArrows] = {
    {true, 3, 121, {-1, -1}, {-1, -1}, {3, 0}, 211, kArrowLeft, 1, kArrowRight},
    {true, 5, 181, {5, 2}, {5, 4}, {5, 0}, 211, kArrowLeft, 1, kArrowRight},
    {true, 4, 151, {-1, -1}, {-1, -1}, {4, 7}, 31, kArrowRight, 241, kArrowLeft},
    {true, 2, 91, {2, 3}, {2, 5}, {2, 7}, 31, kArrowRight, 241, kArrowLeft},
    {false, 3, 121, {-1, -1}, {-1, -1}, {7, 3}, 31, kArrowDown, 241, kArrowUp},
    {false, 5, 181, {3, 5}, {5, 5}, {7, 5}, 31, kArrowDown, 241, kArrowUp},
    {false, 2, 91, {2, 2}, {4, 2}, {0, 2}, 211, kArrowUp, 1, kArrowDown},
    {false, 4, 151, {-1, -1}, {-1, -1}, {0, 4}, 211, kArrowUp, 1, kArrowDown},
};

// The two relabellings of the tiles 1..16 that "Mescola" chooses from.
constexpr int32_t kRelabel[2][16] = {
    {10, 14, 8, 12, 9, 11, 3, 7, 5, 13, 1, 2, 16, 15, 4, 6},
    {11, 8, 3, 4, 5, 14, 2, 7, 16, 15, 1, 12, 13, 10, 9, 6},
};

int32_t TileValue(int pattern, int r, int c) {
    switch (pattern) {
        case 0: return r + 4 * c;
        case 1: return c + 4 * r;
        case 2: return (5 * c + r) % 16;
        default: return 2 * c + 8 * (r % 2) + r / 2;
    }
}

}  // namespace

int TileColour(int kind, int32_t value) { return (value - 1) % (kind == kBoardTwoColours ? 2 : 4); }

void SlidingBoard::NewBoard(int code) {
    kind_ = code / 256;
    const int pattern = code % 256;
    for (auto& row : cells_) row.fill(kEmptyCell);
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c) cells_[r][c] = kBlockCell;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) cells_[r + 2][c + 2] = TileValue(pattern, r, c) + 1;
    // Until the next tick the old arrows would point at the wrong lines.
    UpdateArrows();
    moveAllowed_ = false;
}

void SlidingBoard::FourColoursClick() {
    fourColourPattern_ = (fourColourPattern_ + 1) % 4;
    NewBoard(kBoardFourColours * 256 + fourColourPattern_);
}

void SlidingBoard::TwoColoursClick() {
    twoColourPattern_ = (twoColourPattern_ + 1) % 4;
    NewBoard(kBoardTwoColours * 256 + twoColourPattern_);
}

void SlidingBoard::Tick() {
    UpdateArrows();
    moveAllowed_ = true;
}

void SlidingBoard::UpdateArrows() {
    for (int i = 0; i < kArrows; ++i) {
        const LineRule& rule = kLines[i];
        BoardArrow& arrow = arrows_[static_cast<size_t>(i)];
        arrow = BoardArrow{};
        // A block in a crossing cell makes the sum pass 256.
        if (rule.crossA[0] >= 0 &&
            cells_[rule.crossA[0]][rule.crossA[1]] + cells_[rule.crossB[0]][rule.crossB[1]] >= 256)
            continue;
        const bool empty = cells_[rule.end[0]][rule.end[1]] == kEmptyCell;
        const int32_t place = empty ? rule.placeIfEmpty : rule.placeOtherwise;
        arrow.direction = empty ? rule.directionIfEmpty : rule.directionOtherwise;
        if (rule.isRow)
            arrow = {place, rule.fixed, 2 * kCellPixels, kCellPixels, arrow.direction};
        else
            arrow = {rule.fixed, place, kCellPixels, 2 * kCellPixels, arrow.direction};
    }
}

bool SlidingBoard::Click(int x, int y) {
    if (!moveAllowed_) return false;
    moveAllowed_ = false;
    return Move(x, y);
}

bool SlidingBoard::Move(int x, int y) {
    for (const BoardArrow& arrow : arrows_) {
        if (!arrow.Holds(x, y)) continue;
        if (arrow.direction == kArrowLeft || arrow.direction == kArrowRight)
            ShiftRow(arrow.y / kCellPixels - 1, arrow.direction);
        else
            ShiftColumn(arrow.x / kCellPixels - 1, arrow.direction);
        return true;
    }
    return false;
}

// The value pushed off the far end is lost; the near end becomes empty.
void SlidingBoard::ShiftRow(int row, uint8_t direction) {
    auto& cells = cells_[row];
    if (direction == kArrowLeft) {
        for (int c = 0; c < kSide - 1; ++c) cells[c] = cells[c + 1];
        cells[kSide - 1] = kEmptyCell;
    } else {
        for (int c = kSide - 1; c > 0; --c) cells[c] = cells[c - 1];
        cells[0] = kEmptyCell;
    }
}

void SlidingBoard::ShiftColumn(int column, uint8_t direction) {
    if (direction == kArrowUp) {
        for (int r = 0; r < kSide - 1; ++r) cells_[r][column] = cells_[r + 1][column];
        cells_[kSide - 1][column] = kEmptyCell;
    } else {
        for (int r = kSide - 1; r > 0; --r) cells_[r][column] = cells_[r - 1][column];
        cells_[0][column] = kEmptyCell;
    }
}

void SlidingBoard::Shuffle(RandomSource& random) {
    for (int round = 0; round < 100; ++round) {
        const int32_t* relabel = kRelabel[random.Below(2)];
        for (auto& row : cells_)
            for (int32_t& cell : row)
                if (cell >= 1 && cell <= 16) cell = relabel[cell - 1];
    }
}

}  // namespace sillabor
