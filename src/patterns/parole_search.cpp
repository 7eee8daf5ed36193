#include "patterns/parole_search.h"

#include <cstdio>

#include "patterns/pattern_filter.h"
#include "search/workbench.h"

namespace sillabor {

int ParoleSearch(Workbench& wb) {
    PatternFilter& filter = wb.paroleFilter;
    if (!SetupPatternFilter(filter, wb.parolePage, wb.out)) return 1;
    // A derived word is shown for a pattern the word has to satisfy.
    const bool showFirst = filter.FirstMode == kMustSatisfy && filter.FirstPattern.hasDerived;
    const bool showSecond = filter.SecondMode == kMustSatisfy && filter.SecondPattern.hasDerived;

    const Dictionary& dict = wb.dict;
    char* line = wb.out.LineBuffer;
    const size_t size = Output::kLineBufferSize;
    for (int32_t i = 1; i < dict.WordCount; ++i) {
        if (wb.state.Stopping()) break;
        const char* word = dict.Words[i];
        if (!WordPassesFilter(filter, word, dict)) continue;
        int used = std::snprintf(line, size, "%s", word);
        // Only a pattern that matched this very word has a derived word of it.
        if (showFirst && filter.firstMatched)
            used += std::snprintf(line + used, size - used, " -> %s", dict.Words[filter.FirstPattern.derivedWord]);
        if (showSecond && filter.secondMatched)
            std::snprintf(line + used, size - used, " -> %s", dict.Words[filter.SecondPattern.derivedWord]);
        wb.out.PrintLineBuffer();
        if (wb.state.FoundCount.fetch_add(1, std::memory_order_relaxed) + 1 >= kParoleLineLimit) break;
    }
    return 0;
}

}  // namespace sillabor
