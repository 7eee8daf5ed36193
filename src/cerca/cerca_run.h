#pragma once
// What one search of the "Cerca" page works on: the shared services, the
// game's state, and what the search gives back to the page.

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "cerca/cerca_indexes.h"
#include "cerca/cerca_request.h"
#include "cerca/cerca_state.h"
#include "dictionary/dictionary.h"

namespace sillabor {

struct CercaRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    RandomSource& random;
    TopTable& top;
    CercaState& cerca;
    CercaIndexes& indexes;
    CercaResult& result;
};

}  // namespace sillabor
