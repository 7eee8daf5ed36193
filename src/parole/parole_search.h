#pragma once
// The "Parole" page's search: every dictionary word that passes the page's filters.

namespace sillabor {

struct GameContext;
struct PatternFilter;

inline constexpr int kParoleLineLimit = 10001;

// Prints one line per word that passes the compiled filter, "word" or
// "word -> derived". Returns 0. The caller prints the closing lines.
int ParoleSearch(GameContext& ctx, PatternFilter& filter);

}  // namespace sillabor
