#pragma once
// The "Parole" page's search: every dictionary word that passes the page's filters.

namespace sillabor {

class Workbench;

inline constexpr int kParoleLineLimit = 10001;

// Sets up the filter from the page record and prints one line per word that
// passes it, "word" or "word -> derived". Returns 0, or 1 when the page's input
// was refused (its error lines are printed). The caller prints the closing lines.
int ParoleSearch(Workbench& wb);

}  // namespace sillabor
