#pragma once
// What one anagram search works on: the shared services, its checked request
// and the game's working state.

#include "anagr/anagr_request.h"
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
    const AnagrRequest& request;
    // The schema's lengths, read by the check when the schema applies.
    const std::vector<int32_t>& schemaLengths;
    // The "Parole" page's filters, compiled, applied when the request asks for them.
    PatternFilter& filter;
    AnagrState& anagramState;
    AnagrResult& result;
};

}  // namespace sillabor
