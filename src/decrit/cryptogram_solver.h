#pragma once
// The cryptogram solver: every sequence of dictionary words that fits the
// whole cryptogram under one consistent substitution.

#include "decrit/decrit_request.h"
#include "decrit/decrit_run.h"

namespace sillabor {

// Puts the word array in length order, then prints the check's refusal, or
// every solution of the checked cryptogram (at most kMaxSolutions), then
// "NESSUNA SOLUZIONE TROVATA !" when there is none, and a separator.
// 0, or 1 for a refusal.
int DecrittaSearch(DecritRun& run, const Checked<DecritRequest>& checked);

}  // namespace sillabor
