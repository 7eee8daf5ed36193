#pragma once
// What a search of the "Cerca" page works on: the checked request's base and
// options, and the working storage its categories share.

#include <cstdint>
#include <string>
#include <vector>

#include "cerca/cerca_request.h"
#include "cerca/kept_words.h"
#include "dictionary/dictionary.h"
#include "dictionary/letter_count.h"

namespace sillabor {

inline constexpr int kMaxCells = 91;
inline constexpr int kMaxCellLength = 6;
// Room for a word and the longest cell added to it.
inline constexpr int kWordPathLength = kMaxWordLength + kMaxCellLength + 2;
inline constexpr int kMaxGridSide = 5;
inline constexpr int kMaxGridCells = kMaxGridSide * kMaxGridSide;

struct CercaState {
    // Takes the base and the options of a checked request for the search
    // that starts.
    void Start(const CercaRequest& accepted);

    // The category searched, 0..7.
    int32_t Category = kCercaEdits;
    // The normalised base: a-z, plus '[' and ']' (categories 4 and 5), '*'
    // (category 5) and single blanks (category 7).
    std::string BaseWord;
    // The '*' typed in the base, 0..2 when a search runs.
    int32_t JokerCount = 0;
    // Options of the grid category, as the check left them.
    bool UseDiagonals = true;
    bool ReuseLetters = false;
    int32_t GridMode = kGridSolve;

    // The cells of a base split by ParseCells: single letters, '*' and groups.
    char Cells[kMaxCells][kMaxCellLength + 1] = {};
    int32_t CellLength[kMaxCells] = {};
    uint8_t CellFree[kMaxCells] = {};
    int32_t CellCount = 0;

    // The text spelled by the grid path being walked, or the word being
    // covered by the cells of the included words.
    char WordPath[kWordPathLength] = {};

    // Included words: the letters of the single-letter cells, and those of
    // the word still to cover.
    LetterCount SinglesCount{};
    LetterCount Remaining{};
    // The fitting form's result: the slot of the word the cells spell (-1:
    // none), and at the first position of each group it uses, that cell.
    int32_t FittedWord = -1;
    int32_t GroupAtPosition[kMaxWordLength + 1] = {};

    // The letter grid: side N, the cells adjacent to each cell, the longest
    // words found, and how many distinct words were found.
    int32_t GridSide = 0;
    int32_t Neighbours[kMaxGridCells][8] = {};
    int32_t NeighbourCount[kMaxGridCells] = {};
    KeptWordSet KeptWords;
    int32_t KeepLimit = 500;
    int32_t DistinctFound = 0;
    // Which slots the grid walk has met, one bit each, for DistinctFound.
    std::vector<uint64_t> FoundSlots;
    // Arranging: the score of a trial layout; the grid cell of each entry.
    int32_t LayoutScore = 0;
    int32_t LayoutPath[kMaxGridCells] = {};
};

}  // namespace sillabor
