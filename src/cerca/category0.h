#pragma once
// The words one elementary edit away from the base: anagrams, exchanges of two
// letters, moves of one letter, removals, insertions and changes.

namespace sillabor {

struct CercaRun;

// Each lists its results for the state's BaseWord (letters a-z) with the
// letters that make the game visible in upper case. They share one cap: after
// the count of the search has passed 5000, a generator returns after its
// first line.
void Anagramma(CercaRun& run);
void Scambio(CercaRun& run);
void Metatesi(CercaRun& run);
void Scarto(CercaRun& run);
void Aggiunta(CercaRun& run);
void Cambio(CercaRun& run);

// The six in that order, with a separator between them.
void SearchEdits(CercaRun& run);

}  // namespace sillabor
