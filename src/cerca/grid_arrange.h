#pragma once
// Arranging the letters of a grid ("disponi"): one long word the cells can
// spell is laid along a random path of adjacent cells, the other cells are
// scattered, and of 100 such layouts (50 for a 5 x 5 grid) the one holding the
// longest words is kept, given back as the page's base and printed.

namespace sillabor {

struct CercaRun;

// Uses the search's random source, so a seeded search replays the layout.
// The arranged grid replaces BaseWord and is the run's arranged base (rows
// separated by blanks, groups in brackets); on an error or when the cells
// spell no word, BaseWord stays as it was and nothing is given back.
void ArrangeGrid(CercaRun& run);

}  // namespace sillabor
