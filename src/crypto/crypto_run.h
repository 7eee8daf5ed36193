#pragma once
// What one search of the "Decrit" page works on: the shared services, the
// page's record and the solver's state.

#include "base/output.h"
#include "base/search_state.h"
#include "crypto/crypto_state.h"
#include "dictionary/dictionary.h"

namespace sillabor {

struct CryptoRun {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    DecritPage& page;
    DecrittaState& crypto;
};

}  // namespace sillabor
