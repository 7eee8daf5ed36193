#pragma once
// What one anagram search works on: the shared services and the game's records.

#include "anagr/anagr_state.h"
#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"
#include "patterns/pattern_filter.h"

namespace sillabor {

struct AnagrRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    RandomSource& random;
    AnagrControls& anagramPage;
    AnagrState& anagramState;
    // The "Parole" page's filters, applied when the page asks for them.
    WordFilters& filters;
};

}  // namespace sillabor
