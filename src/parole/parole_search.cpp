#include "parole/parole_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "game/game_context.h"
#include "patterns/pattern_filter.h"

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

// The lengths a word must have to pass: the filter's own bounds, narrowed by
// the length bounds of every pattern the word has to satisfy.
void RequiredLengths(const PatternFilter& filter, int32_t& lo, int32_t& hi) {
    lo = std::max<int32_t>(filter.MinLen, 1);
    hi = std::min<int32_t>(filter.MaxLen, kMaxWordLength);
    const bool needFirst =
        filter.FirstMode == kMustSatisfy && (filter.SecondMode == kPatternIgnored || !filter.OrMode);
    const bool needSecond =
        filter.SecondMode == kMustSatisfy && (filter.FirstMode == kPatternIgnored || !filter.OrMode);
    for (const CompiledPattern* p : {needFirst ? &filter.FirstPattern : nullptr,
                                     needSecond ? &filter.SecondPattern : nullptr}) {
        if (p == nullptr) continue;
        lo = std::max(lo, p->minRest[0]);
        hi = std::min(hi, p->maxRest[0]);
    }
}

// The words whose length is in lo..hi lie together in the word text, because
// the classes are stored longest first. Returns the text span [first, end) and
// the number of words in it.
struct TextSpan {
    const char* first = nullptr;
    const char* end = nullptr;
    int64_t words = 0;
};

TextSpan WordsOfLengths(const Dictionary& dict, int32_t lo, int32_t hi) {
    TextSpan span;
    if (lo > hi) return span;
    const auto begin = dict.Classes.begin(), stop = dict.Classes.begin() + dict.ClassCount;
    auto firstClass = std::partition_point(begin, stop, [&](const AnagramClass& c) { return c.letters.total > hi; });
    auto endClass = std::partition_point(firstClass, stop, [&](const AnagramClass& c) { return c.letters.total >= lo; });
    if (firstClass == endClass) return span;
    const char* text = dict.WordText.get();
    span.first = text + firstClass->Offset();
    span.end = endClass == stop ? text + dict.TextLength + 2 : text + endClass->Offset();
    for (auto c = firstClass; c != endClass; ++c) span.words += c->WordsInClass();
    return span;
}

// Prints the line of a word that passed, with the derived words of the
// patterns that matched it.
struct Found {
    const char* word;
    int32_t firstDerived;   // 0 when none is shown
    int32_t secondDerived;
};

}  // namespace

int ParoleSearch(GameContext& ctx, PatternFilter& filter) {
    // A derived word is shown for a pattern the word has to satisfy.
    const bool showFirst = filter.FirstMode == kMustSatisfy && filter.FirstPattern.hasDerived;
    const bool showSecond = filter.SecondMode == kMustSatisfy && filter.SecondPattern.hasDerived;

    const Dictionary& dict = ctx.dict;
    auto print = [&](const Found& found) {
        if (found.firstDerived != 0 && found.secondDerived != 0)
            ctx.out.PrintFormatted("%s -> %s -> %s", found.word, dict.Words[found.firstDerived],
                                   dict.Words[found.secondDerived]);
        else if (found.firstDerived != 0 || found.secondDerived != 0)
            ctx.out.PrintFormatted("%s -> %s", found.word,
                                   dict.Words[found.firstDerived != 0 ? found.firstDerived : found.secondDerived]);
        else
            ctx.out.PrintLine(found.word);
        return ctx.state.FoundCount.fetch_add(1, std::memory_order_relaxed) + 1 < kParoleLineLimit;
    };
    // Only a pattern that matched this very word has a derived word of it.
    auto passing = [&](const char* word) {
        return Found{word, showFirst && filter.firstMatched ? filter.FirstPattern.derivedWord : 0,
                     showSecond && filter.secondMatched ? filter.SecondPattern.derivedWord : 0};
    };

    // Words outside the range of a required prefix cannot pass: they are skipped.
    SlotRange slots{1, dict.WordCount};
    const CompiledPattern* prefixed = RequiredPrefix(filter);
    if (prefixed != nullptr && prefixed->prefixLength > 0 && !dict.NotAlphabetical && dict.WordCount > 1)
        slots = SlotsWithPrefix(dict, prefixed->prefix, static_cast<size_t>(prefixed->prefixLength));

    // When few words have a length that can pass, test just those, in the text's
    // order, and print the ones that pass in byte order.
    int32_t lo, hi;
    RequiredLengths(filter, lo, hi);
    const TextSpan span = WordsOfLengths(dict, lo, hi);
    if (span.words * 4 < slots.end - slots.first) {
        std::vector<Found> found;
        for (const char* w = span.first; w < span.end; w += std::strlen(w) + 1) {
            if (ctx.state.Stopping()) break;
            if (WordPassesFilter(filter, w, dict)) found.push_back(passing(w));
        }
        std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
            return std::strcmp(a.word, b.word) < 0;
        });
        for (const Found& f : found)
            if (ctx.state.Stopping() || !print(f)) break;
        return 0;
    }

    for (int32_t i = slots.first; i < slots.end; ++i) {
        if (ctx.state.Stopping()) break;
        const char* word = dict.Words[i];
        if (!WordPassesFilter(filter, word, dict)) continue;
        if (!print(passing(word))) break;
    }
    return 0;
}

}  // namespace sillabor
