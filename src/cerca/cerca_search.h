#pragma once
// The "Cerca" page's search: the generators of the chosen category, run on
// the search thread.

namespace sillabor {

struct CercaRun;

// True for the categories CercaSearch runs: the eight of the page.
bool CercaCategoryBuilt(int category);

// Runs the category's generators on the state's BaseWord, separated by
// separators, then a separator and "Fine Ricerca". The category must be built.
void CercaSearch(CercaRun& run, int category);

}  // namespace sillabor
