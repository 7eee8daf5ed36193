#pragma once
// The cryptogram solver: every sequence of dictionary words that fits the
// whole cryptogram under one consistent substitution.

#include "decrit/decrit_run.h"

namespace sillabor {

// Rewrites the page's DecriMe one word a line, reads the cryptogram and prints
// every solution (at most kMaxSolutions), then "NESSUNA SOLUZIONE TROVATA !"
// when there is none, and a separator. Leaves the word array in length order.
// 0, or 1 when it refused the input.
int DecrittaSearch(DecritRun& run);

}  // namespace sillabor
