#include "dictionary/dictionary.h"

#include <cstring>

namespace sillabor {

void Dictionary::Clear() {
    LoadedName.clear();
    PreparedPath.clear();
    WordText.reset();
    TextLength = 0;
    TextHash = 0;
    Words = {};
    WordCount = 0;
    Classes = {};
    ClassCount = 0;
    std::memset(PairBounds, 0, sizeof PairBounds);
    std::memset(SingleLetterWord, 0, sizeof SingleLetterWord);
    std::memset(FirstWordOfLetter, 0, sizeof FirstWordOfLetter);
    ClassScratch = {};
    WordMarks = {};
    NotAlphabetical = false;
    Generation.fetch_add(1, std::memory_order_relaxed);
}

namespace {

inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// strcmp over unsigned bytes, stopping after n characters when n >= 0.
inline int CompareBytes(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    return static_cast<int>(*x) - static_cast<int>(*y);
}

inline int ComparePrefix(const char* word, const char* text, int n) {
    const auto* x = reinterpret_cast<const unsigned char*>(word);
    const auto* y = reinterpret_cast<const unsigned char*>(text);
    for (int i = 0; i < n; ++i) {
        if (x[i] != y[i] || x[i] == 0) return static_cast<int>(x[i]) - static_cast<int>(y[i]);
    }
    return 0;
}

}  // namespace

namespace {

// Binary search of the open interval of the word's first two letters; `sign`
// tells how the key compares with the word in a slot.
template <typename Sign>
int32_t SearchPairInterval(const Dictionary& d, const char* key, Sign sign) {
    if (!IsLower(key[0]) || !IsLower(key[1])) return 0;
    PairBound b = d.PairBounds[key[0] - 'a'][key[1] - 'a'];
    int32_t lo = b.lo, hi = b.hi;
    while (lo < hi - 1) {
        int32_t mid = (lo + hi) >> 1;
        int c = sign(d.Words[mid]);
        if (c == 0) return mid;
        if (c > 0)
            lo = mid;
        else
            hi = mid;
    }
    return 0;
}

}  // namespace

int32_t Dictionary::FindWord(const char* word) const {
    if (WordCount == 0 || word[0] == '\0') return 0;
    if (word[1] == '\0') return SingleLetterWord[static_cast<unsigned char>(word[0])];
    return SearchPairInterval(*this, word, [word](const char* w) { return CompareBytes(word, w); });
}

int32_t Dictionary::FindPrefix(const char* text, int n) const {
    if (WordCount == 0 || n <= 0) return 0;
    if (n == 1) return FirstWordOfLetter[static_cast<unsigned char>(text[0])];
    return SearchPairInterval(*this, text, [text, n](const char* w) { return -ComparePrefix(w, text, n); });
}

int32_t Dictionary::FindClass(const LetterCount& key) const {
    if (key.total == 0) return -1;
    int32_t lo = -1, hi = ClassCount;
    while (lo < hi - 1) {
        int32_t mid = (lo + hi) / 2;
        int c = CompareLetterCounts(key, Classes[mid].letters);
        if (c == 0) return mid;
        if (c > 0)
            hi = mid;
        else
            lo = mid;
    }
    return -1;
}

void Dictionary::BuildLookupTables(const uint16_t* firstTwo) {
    std::memset(PairBounds, 0, sizeof PairBounds);
    std::memset(SingleLetterWord, 0, sizeof SingleLetterWord);
    std::memset(FirstWordOfLetter, 0, sizeof FirstWordOfLetter);
    // The first two bytes of a slot's word, first byte high.
    auto prefix = [&](int32_t slot) -> unsigned {
        if (firstTwo != nullptr) return firstTwo[slot - 1];
        const auto* w = reinterpret_cast<const unsigned char*>(Words[slot]);
        return (static_cast<unsigned>(w[0]) << 8) | (w[0] != 0 ? w[1] : 0u);
    };

    // Two-letter groups: a group's words lie strictly between lo and hi.
    PairBound* open = nullptr;
    unsigned openPrefix = 0;
    unsigned previousFirst = static_cast<unsigned char>(Words.empty() ? 0 : Words[0][0]);
    for (int32_t slot = 1; slot < WordCount; ++slot) {
        const unsigned p = prefix(slot);
        const unsigned first = p >> 8, second = p & 0xFF;
        if (first != 0 && second == 0) SingleLetterWord[first] = slot;
        if (first != previousFirst) FirstWordOfLetter[first] = slot;
        previousFirst = first;
        if (first == 0 || second == 0) continue;
        if (open != nullptr && p == openPrefix) continue;
        if (open == nullptr) {
            open = &PairBounds[first - 'a'][second - 'a'];
            open->lo = 0;
        } else {
            open->hi = slot;
            open = &PairBounds[first - 'a'][second - 'a'];
            open->lo = slot - 1;
        }
        open->hi = WordCount;
        openPrefix = p;
    }
}

int CompareWordPointers(const char* const* a, const char* const* b) { return CompareBytes(*a, *b); }

int CompareReversedPrefix(const char* a, const char* b, int n) {
    char reversed[64];
    if (n > 63) n = 63;
    int len = 0;
    while (len < n && b[len]) ++len;
    for (int i = 0; i < len; ++i) reversed[i] = b[len - 1 - i];
    reversed[len] = '\0';
    return ComparePrefix(a, reversed, n);
}

uint32_t ParityMask(const AnagramClass& cls) {
    uint32_t mask = 0;
    for (int i = 0; i < 26; ++i)
        if (cls.letters.counts[i] & 1) mask |= 1u << (25 - i);
    return mask;
}

}  // namespace sillabor
