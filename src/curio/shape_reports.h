#pragma once
// Reports on the alphabetical shape of single words: letters in increasing or
// decreasing order, rising then falling, alternating up and down, and vowels
// alternating with consonants. Each lists the longest such words.

#include "curio/curio_run.h"

namespace sillabor {

// The report: every word with the shape, scored by its length, as a top list.
void ShapeReport(CurioRun& run, int code);

}  // namespace sillabor
