#include "patterns/parole_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "patterns/pattern_filter.h"
#include "search/workbench.h"

namespace sillabor {

namespace {

// The letters every word that passes the filter begins with: the prefix of a
// pattern the word must satisfy.
const CompiledPattern* RequiredPrefix(const PatternFilter& filter) {
    const bool needFirst =
        filter.FirstMode == kMustSatisfy && (filter.SecondMode == kPatternIgnored || !filter.OrMode);
    const bool needSecond =
        filter.SecondMode == kMustSatisfy && (filter.FirstMode == kPatternIgnored || !filter.OrMode);
    const CompiledPattern* best = nullptr;
    if (needFirst) best = &filter.FirstPattern;
    if (needSecond && (best == nullptr || filter.SecondPattern.prefixLength > best->prefixLength))
        best = &filter.SecondPattern;
    return best;
}

struct SlotRange {
    int32_t first;
    int32_t end;
};

// The slots of the words that begin with the prefix; the words are in byte order.
SlotRange SlotsWithPrefix(const Dictionary& dict, const char* prefix, size_t length) {
    auto begin = dict.Words.begin() + 1, end = dict.Words.begin() + dict.WordCount;
    auto first = std::partition_point(
        begin, end, [&](const char* w) { return std::strncmp(w, prefix, length) < 0; });
    auto last = std::partition_point(
        first, end, [&](const char* w) { return std::strncmp(w, prefix, length) == 0; });
    return {static_cast<int32_t>(first - dict.Words.begin()), static_cast<int32_t>(last - dict.Words.begin())};
}

}  // namespace

int ParoleSearch(Workbench& wb) {
    PatternFilter& filter = wb.paroleFilter;
    if (!SetupPatternFilter(filter, wb.parolePage, wb.out)) return 1;
    // A derived word is shown for a pattern the word has to satisfy.
    const bool showFirst = filter.FirstMode == kMustSatisfy && filter.FirstPattern.hasDerived;
    const bool showSecond = filter.SecondMode == kMustSatisfy && filter.SecondPattern.hasDerived;

    const Dictionary& dict = wb.dict;
    char* line = wb.out.LineBuffer;
    const size_t size = Output::kLineBufferSize;
    // Words outside the range of a required prefix cannot pass: they are skipped.
    SlotRange slots{1, dict.WordCount};
    const CompiledPattern* prefixed = RequiredPrefix(filter);
    if (prefixed != nullptr && prefixed->prefixLength > 0 && !dict.NotAlphabetical && dict.WordCount > 1)
        slots = SlotsWithPrefix(dict, prefixed->prefix, static_cast<size_t>(prefixed->prefixLength));
    for (int32_t i = slots.first; i < slots.end; ++i) {
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
