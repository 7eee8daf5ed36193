#include "anagrams/anagram_filter.h"

#include "patterns/pattern_filter.h"
#include "search/workbench.h"

namespace sillabor {

bool SetupAnagramFilter(Workbench& wb) { return SetupPatternFilter(wb.paroleFilter, wb.parolePage, wb.out); }

bool AnagramWordPasses(Workbench& wb, const char* word) { return WordPassesFilter(wb.paroleFilter, word, wb.dict); }

}  // namespace sillabor
