#pragma once
// Reports on which vowels and consonants a word is made of: one vowel only
// (monovocalic), one consonant only (monoconsonantal), two consonants only
// (biconsonantal), and each of the five vowels once (panvocalic).

#include "curio/curio_run.h"

namespace sillabor {

// monovoc. (vowels) and monocons. (consonants).
void SingleLetterReport(CurioRun& run, bool vowels);

// bicons.: the last ten words of each pair of consonants, backwards.
void BiconsonantalReport(CurioRun& run);

// panvocal.: for each order of a, e, i, o, u, its shortest and longest word,
// and its first word with one y.
void PanvocalicReport(CurioRun& run);

}  // namespace sillabor
