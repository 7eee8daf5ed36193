#pragma once
// The words that can be spelled with the letters typed as the base, each used
// at most once, bracketed groups used whole and in order, and up to two
// jokers standing for missing letters.

namespace sillabor {

struct CercaRun;

// Listing form: prints every such word, class by class in the order of the
// class table, with "(+N jolly)" when the first way found to spell it needs
// jokers; at most 5000 lines.
void ListIncludedWords(CercaRun& run);

// Fitting form: finds the first word of that order that the first `cellLimit`
// cells spell without jokers, and records its slot in FittedWord (-1 when
// none) and the groups it uses in GroupAtPosition. Leaves those cells parsed
// in Cells. False after an error in the brackets (its message printed).
bool FitIncludedWord(CercaRun& run, int cellLimit);

}  // namespace sillabor
