#pragma once
// Reports on words read backwards: palindromes, bifronti (a word that read
// backwards is another word), and words whose vowels or consonants alone read
// the same backwards.

#include "curio/curio_run.h"

namespace sillabor {

// palindromi: every palindrome, in array order.
void PalindromesReport(CurioRun& run);

// bifronti: each pair once, from its word that comes first.
void BifrontiReport(CurioRun& run);

// voc. pal. and cons. pal.: the longest such words, as a top list.
void LetterPalindromesReport(CurioRun& run, bool vowels);

}  // namespace sillabor
