#pragma once
// Charades around the base: the base split into two words, the base joined to
// a word on either side, and chained charades, where the end of one word and
// the start of the other are the same letters written once.

namespace sillabor {

struct CercaRun;

// Each prints "%s + %s -> %s" lines for the state's BaseWord (letters a-z).
// The base cut into two words of two letters or more.
void Split(CercaRun& run);
// The base followed by a word, and a word followed by the base, making a word.
void BasePlusWord(CercaRun& run);
void WordPlusBase(CercaRun& run);
// Chained charades with the base as first word, as second word, and as the
// whole, separated by separators; the shared letters are in upper case.
void Chained(CercaRun& run);

// The four in that order, with a separator between them.
void SearchCharades(CercaRun& run);

}  // namespace sillabor
