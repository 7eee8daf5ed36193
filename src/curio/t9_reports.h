#pragma once
// Words typed with the same keys on a phone pad (predictive text, T9): the
// pairs of such words with the most different letters, and the words with
// the most such equivalents.

#include "curio/curio_run.h"

namespace sillabor {

// The key of a letter: 0 for abc, 1 def, 2 ghi, 3 jkl, 4 mno, 5 pqrs, 6 tuv, 7 wxyz.
int T9Key(char letter);

// T9 equiv and T9 mult.
void T9EquivalentsReport(CurioRun& run);
void T9MultiplesReport(CurioRun& run);

}  // namespace sillabor
