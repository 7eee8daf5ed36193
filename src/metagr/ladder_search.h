#pragma once
// The word ladder: the early answers, the breadth-first labelling of the
// dictionary from the start word, and the walk back from the end word that
// prints every shortest chain.

#include "base/output.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"
#include "metagr/metagr_state.h"
#include "metagr/neighbour_index.h"

namespace sillabor {

struct MetagrRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    const MetagrRequest& request;
    MetagrState& ladder;
    NeighbourIndex& index;
};

// Searches from a checked request's words. Returns 1 when the two words give
// nothing to search (equal, or of different lengths without additions and
// removals: the check refuses both first), 0 otherwise.
int LadderSearch(MetagrRun& run);

}  // namespace sillabor
