#pragma once
// Bases made of cells (single letters, jokers and bracketed letter groups) and
// the letter cover test of the categories that build words from a base.

#include <cstdint>
#include <string_view>

#include "cerca/cerca_state.h"
#include "dictionary/letter_count.h"

namespace sillabor {

class Output;

// Splits `text` into the state's Cells: every letter or '*' outside brackets
// is a cell, every "[...]" group of 1 to 6 characters is one. At most 91 cells
// are read. For the included words, and for the grid when it is arranged, the
// cells come sorted by decreasing length. Returns the cell count, or -1 after
// printing what is wrong with the brackets.
int ParseCells(CercaState& state, Output& out, std::string_view text);

// 0 when `need` cannot be taken from `have` even with `jokers` jokers, else
// 1 + the number of jokers used.
int CoverLetters(const LetterCount& have, const LetterCount& need, int jokers);

}  // namespace sillabor
