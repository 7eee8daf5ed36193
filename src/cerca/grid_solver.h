#pragma once
// The letter grid (paroliere): a square of 16 or 25 cells, each a letter, a
// group of letters or a joker, in which a word is spelled along a path of
// adjacent cells. Solving lists the longest dictionary words of the grid;
// scoring rates a trial layout of the arrangement by its ten longest words.

namespace sillabor {

struct CercaRun;
struct CercaState;

// Reads the state's BaseWord into cells: 4 for 16 to 24 cells (only the
// first 16 used), 5 for 25 or more (the first 25); 0 after printing what is
// wrong.
int ChooseGridSide(CercaRun& run);

// The cells adjacent to each cell of an n x n grid, with or without the
// diagonals as the state says.
void BuildNeighbours(CercaState& state, int n);

// While the state's GridMode is "risolvi": reads the grid from BaseWord,
// prints its table (or a line of one blank), then how many distinct words of
// three letters or more it holds and the 500 longest. In the arranging modes:
// walks the grid already placed in Cells and sets only LayoutScore.
void SolveGrid(CercaRun& run, bool showTable);

}  // namespace sillabor
