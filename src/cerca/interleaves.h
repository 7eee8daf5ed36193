#pragma once
// Interleavings: two words whose letters, merged in their own orders, spell a
// third. Intarsi, incastri and sciarade alterne are all such merges, found by
// one search that hands each letter of the whole to part A or part B.

namespace sillabor {

struct CercaRun;

// The base as an interleaving of two words of two letters or more (bases of
// four letters or more). Lines "B + A -> whole" show A in upper case, in the
// whole too; a plain charade B + A is left to the charades.
void SplitBase(CercaRun& run);
// The words that are an interleaving of the base with another word.
void ContainingBase(CercaRun& run);

// The two in that order, with a separator between them.
void SearchInterleaves(CercaRun& run);

}  // namespace sillabor
