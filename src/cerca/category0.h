#pragma once
// The words one elementary edit away from the base: anagrams, exchanges of two
// letters, moves of one letter, removals, insertions and changes.

namespace sillabor {

class Workbench;

// Each lists its results for the record's BaseWord (letters a-z) with the
// letters that make the game visible in upper case. They share one cap: after
// the count of the search has passed 5000, a generator returns after its
// first line.
void Anagramma(Workbench& wb);
void Scambio(Workbench& wb);
void Metatesi(Workbench& wb);
void Scarto(Workbench& wb);
void Aggiunta(Workbench& wb);
void Cambio(Workbench& wb);

// The six in that order, with a separator between them.
void SearchEdits(Workbench& wb);

}  // namespace sillabor
