#pragma once
// + omocons.: pairs of words with the same consonants in the same places and a
// different vowel at every vowel place (y counts as a vowel), the longest
// first. Words are grouped by their consonant skeleton, the word with every
// vowel blanked, so only words of one skeleton are compared.

#include "curio/curio_run.h"

namespace sillabor {

void SameConsonantsReport(CurioRun& run);

}  // namespace sillabor
