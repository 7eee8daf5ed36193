#pragma once
// Consonando: the words built on the consonants of the base with any vowels,
// up to two jokers standing for consonants, ranked by a packed score.

namespace sillabor {

struct CercaRun;

// Prints the 100 best classes, each by its first word: "%2d %s%s %s" with the
// shown number (the length, plus the consonants for a complete match), the
// word, " [B] " for a complete match, and the marks "+" (a consonant added by a
// joker), "-" (a typed consonant left out), "C" (one replaced by a joker).
void Consonando(CercaRun& run);

}  // namespace sillabor
