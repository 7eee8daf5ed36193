#pragma once
// Padlocks (lucchetti: XY + YZ = XZ, the shared part dropped) and hinges
// (cerniere: XY + ZX = YZ) in which the base takes part.

namespace sillabor {

struct CercaRun;

// Each prints "%s + %s -> %s" lines: the two words with the shared part in
// upper case, then the result. X, Y and Z are never empty.
void PadlockResult(CercaRun& run);  // the base is XZ
void PadlockFirst(CercaRun& run);   // the base is XY
void PadlockSecond(CercaRun& run);  // the base is YZ
// The base as XY of a hinge, after a note on the two equivalent hinges.
void Hinges(CercaRun& run);

// The four in that order, with a separator between them.
void SearchPadlocks(CercaRun& run);

}  // namespace sillabor
