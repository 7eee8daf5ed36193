#pragma once
// The "Cerca" page's search: the generators of the chosen category, run on
// the search thread. Option 8 is the "Parole" page's search.

namespace sillabor {

class Workbench;

// Returned for a category whose games are not available yet.
inline constexpr int kCercaCategoryNotBuilt = 2;

// True for the options CercaSearch runs; the window disables the other items
// of Categoria and the command line refuses them.
bool CercaCategoryBuilt(int option);

// Runs the option's generators on the record's BaseWord, separated by
// separators, then a separator and "Fine Ricerca". Returns 0, 1 when the search
// printed an error, or kCercaCategoryNotBuilt having printed nothing.
int CercaSearch(Workbench& wb, int option);

}  // namespace sillabor
