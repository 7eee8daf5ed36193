#pragma once
// Turning a combination of anagram classes into printed result lines.

#include <cstdint>

namespace sillabor {

struct AnagrRun;

// Emits the combination of the n classes in Chosen; true when the search (or,
// in the first half of a long phrase, the half) must stop.
bool EmitCombination(AnagrRun& run, int n);

// Builds and prints the lines of the chosen classes from position p to n.
void ComposeLine(AnagrRun& run, int p, int n, bool used, int64_t multiplicity);

// Prints the composed line, expanding its groups unless the output is compact.
void PrintAnagramLine(AnagrRun& run);

// Prints the lines still pending; a search calls it before it ends and now
// and then while it runs, so that the lines show while it goes on.
void FlushAnagramLines(AnagrRun& run);

}  // namespace sillabor
