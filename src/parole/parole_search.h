#pragma once
// The "Parole" page's search: every dictionary word that passes the page's filters.

namespace sillabor {

struct GameContext;
struct WordFilters;

inline constexpr int kParoleLineLimit = 10001;

// Sets up the filters from the page's controls and prints one line per word
// that passes them, "word" or "word -> derived". Returns 0, or 1 when the
// page's input was refused (its error lines are printed). The caller prints
// the closing lines.
int ParoleSearch(GameContext& ctx, WordFilters& filters);

}  // namespace sillabor
