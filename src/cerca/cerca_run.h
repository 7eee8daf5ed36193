#pragma once
// What one search of the "Cerca" page works on: the shared services and the
// page's record.

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "cerca/cerca_indexes.h"
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
};

}  // namespace sillabor
