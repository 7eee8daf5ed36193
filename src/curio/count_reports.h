#pragma once
// Reports that count: the dictionary's statistics (by length, by initial, by
// letter frequency), and the words with the most repeated letters, the most
// different letters, the longest run of different letters, the most anagrams.

#include "curio/curio_run.h"

namespace sillabor {

// conteggi.
void CountsReport(CurioRun& run);

// ripetizioni, lett.div. and let.div.cons.: every word scored, as a top list.
void LetterScoreReport(CurioRun& run, int code);

// + anagram.: the classes with the most words, each shown by its first word.
void MostAnagramsReport(CurioRun& run);

}  // namespace sillabor
