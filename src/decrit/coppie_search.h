#pragma once
// "Coppie?": the dictionary words whose image under the maker's substitution
// is a dictionary word too.

#include "decrit/decrit_run.h"

namespace sillabor {

// Prints "word -> image" for each such word, class by class, and ends after
// the pair that passes kMaxCoppie. Needs the word array in byte order.
int CoppieSearch(DecritRun& run, const CipherBoxes& boxes);

}  // namespace sillabor
