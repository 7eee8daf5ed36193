#pragma once
// Words that shifted along the alphabet give another word: on the 26 letters
// a..z (shifts 1 to 13), and on the 21 letters of the Italian alphabet
// (shifts 1 to 11, words with j, k, w, x or y left out).

#include "curio/curio_run.h"

namespace sillabor {

// rotaz.(26) and rotaz.(21): the longest rotatable words first, then the
// smallest shifts.
void Rotations26Report(CurioRun& run);
void Rotations21Report(CurioRun& run);

}  // namespace sillabor
