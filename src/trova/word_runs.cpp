#include "trova/word_runs.h"

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

// The first n bytes of a word against those of the key: below, equal or above.
inline int ComparePrefix(const char* word, const char* key, int n) {
    const auto* w = reinterpret_cast<const unsigned char*>(word);
    const auto* k = reinterpret_cast<const unsigned char*>(key);
    for (int i = 0; i < n; ++i)
        if (w[i] != k[i] || w[i] == 0) return static_cast<int>(w[i]) - static_cast<int>(k[i]);
    return 0;
}

}  // namespace

SlotRange PrefixRange(const char* const* words, int32_t lo, int32_t hi, const char* key, int n) {
    const int32_t top = hi;
    while (lo < hi) {
        const int32_t mid = lo + ((hi - lo) >> 1);
        if (ComparePrefix(words[mid], key, n) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int32_t first = lo;
    hi = top;
    while (lo < hi) {
        const int32_t mid = lo + ((hi - lo) >> 1);
        if (ComparePrefix(words[mid], key, n) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return {first, lo};
}

SlotRange WordsBeginningWith(const Dictionary& dict, const char* text, int n) {
    if (dict.WordCount < 2 || n <= 0) return {};
    if (n == 1) return PrefixRange(dict.Words.data(), 1, dict.WordCount, text, n);
    const auto a = static_cast<unsigned char>(text[0] - 'a');
    const auto b = static_cast<unsigned char>(text[1] - 'a');
    if (a >= 26 || b >= 26) return {};
    // The words of a two-letter group lie strictly between its bounds.
    const PairBound bound = dict.PairBounds[a][b];
    if (bound.hi <= bound.lo + 1) return {};
    return PrefixRange(dict.Words.data(), bound.lo + 1, bound.hi, text, n);
}

}  // namespace sillabor
