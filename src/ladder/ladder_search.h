#pragma once
// The word ladder: the early answers, the breadth-first labelling of the
// dictionary from the start word, and the walk back from the end word that
// prints every shortest chain.

#include "base/output.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"
#include "ladder/ladder_state.h"
#include "ladder/neighbour_index.h"

namespace sillabor {

struct LadderRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    const LadderRequest& request;
    LadderState& ladder;
    NeighbourIndex& index;
};

// Searches from a checked request's words. Returns 1 when the two words give
// nothing to search (equal, or of different lengths without additions and
// removals: the check refuses both first), 0 otherwise.
int LadderSearch(LadderRun& run);

}  // namespace sillabor
