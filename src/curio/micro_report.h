#pragma once
// micro: words that are by themselves a small game between their halves or
// pieces, in five modes used in turn: anagrams of their halves, a cambio
// between the halves, a scarto or an aggiunta, a cambio d'antipodo, and
// lucchetti and sciarade of their pieces. The pieces need not be words: the
// report describes the word itself.

#include "curio/curio_run.h"

namespace sillabor {

// Moves the mode on and reports on every class.
void MicroReport(CurioRun& run);

}  // namespace sillabor
