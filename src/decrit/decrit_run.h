#pragma once
// What one search of the "Decrit" page works on: the shared services and the
// solver's state.

#include "base/output.h"
#include "base/search_state.h"
#include "decrit/decrit_state.h"
#include "dictionary/dictionary.h"

namespace sillabor {

struct DecritRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    DecritState& crypto;
};

}  // namespace sillabor
