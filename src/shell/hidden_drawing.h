#pragma once
// The pictures of the hidden games, drawn on the image of the hidden panel.

#include <QFont>
#include <QImage>
#include <QPalette>

namespace sillabor {
class SlidingBoard;
class WordGuess;
}  // namespace sillabor

namespace sillabor::shell {

// The board with its cells and, in a colour that changes with `tick`, the
// arrows that apply now. `image` is SlidingBoard::kImageSide square.
void DrawBoard(QImage& image, const SlidingBoard& board, int tick, const QPalette& palette);

// The size of the word game's image: the letter area, the neri and bianchi
// columns, and 17 rows of 23 pixels.
QSize WordGridSize(const WordGuess& game);
// The grid: the heading row with a black and a white disc, then the attempts
// with their counts ("?" until scored); the solved row highlighted.
void DrawWordGrid(QImage& image, const WordGuess& game, const QFont& font);

}  // namespace sillabor::shell
