#include "trova/word_runs.h"

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

// The first n bytes of a word against those of the text: below, equal or above.
inline int ComparePrefix(const char* word, const char* text, int n) {
    const auto* w = reinterpret_cast<const unsigned char*>(word);
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    for (int i = 0; i < n; ++i)
        if (w[i] != t[i] || w[i] == 0) return static_cast<int>(w[i]) - static_cast<int>(t[i]);
    return 0;
}

}  // namespace

SlotRange WordsBeginningWith(const Dictionary& dict, const char* text, int n) {
    if (dict.WordCount < 2 || n <= 0) return {};
    int32_t lo = 1, hi = dict.WordCount;
    if (n >= 2) {
        const auto a = static_cast<unsigned char>(text[0] - 'a');
        const auto b = static_cast<unsigned char>(text[1] - 'a');
        if (a >= 26 || b >= 26) return {};
        const PairBound bound = dict.PairBounds[a][b];
        if (bound.hi <= bound.lo + 1) return {};
        lo = bound.lo + 1;
        hi = bound.hi;
    }
    const int32_t top = hi;
    while (lo < hi) {
        const int32_t mid = (lo + hi) >> 1;
        if (ComparePrefix(dict.Words[mid], text, n) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int32_t first = lo;
    hi = top;
    while (lo < hi) {
        const int32_t mid = (lo + hi) >> 1;
        if (ComparePrefix(dict.Words[mid], text, n) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return {first, lo};
}

}  // namespace sillabor
