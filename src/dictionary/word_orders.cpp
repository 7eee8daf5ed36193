#include "dictionary/word_orders.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/large_storage.h"

namespace sillabor {

namespace {

// A word with a prefix of it packed into an integer key, so that comparing keys
// as integers compares those prefixes in byte order.
struct KeyedWord {
    uint64_t key;
    char* word;
};

// Byte keys: the first eight bytes, big-endian.
constexpr int kBytesPerKey = 8;

inline uint64_t BytePrefixKey(const char* w, bool& longer) {
    uint64_t key = 0;
    int i = 0;
    for (; i < kBytesPerKey && w[i]; ++i) key = (key << 8) | static_cast<unsigned char>(w[i]);
    longer = (i == kBytesPerKey && w[kBytesPerKey] != '\0');
    return i == 0 ? 0 : key << (8 * (kBytesPerKey - i));
}

// Letter keys, for words made of a-z only (every dictionary word): five bits a
// letter ('a' = 1 ... 'z' = 26, the end of the word 0), twelve letters from the
// top of the key. Bits 0-3 stay clear.
constexpr int kLettersPerKey = 12;
constexpr int kLetterBits = 5;

// False when one of the first twelve bytes is not a-z.
inline bool LetterPrefixKey(const char* w, uint64_t& key, bool& longer) {
    uint64_t k = 0;
    int i = 0;
    for (; i < kLettersPerKey && w[i]; ++i) {
        const unsigned v = static_cast<unsigned>(static_cast<unsigned char>(w[i])) - 'a';
        if (v >= 26) return false;
        k = (k << kLetterBits) | (v + 1);
    }
    longer = (i == kLettersPerKey && w[kLettersPerKey] != '\0');
    key = i == 0 ? 0 : k << (64 - kLetterBits * i);
    return true;
}

inline bool TailLess(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    return *x < *y;
}

// LSD radix sort on the keys, `digitBits` bits a pass from bit `lowBit` up to
// bit 63; passes whose digit is the same for every key are skipped.
void RadixSortKeys(UninitVector<KeyedWord>& items, int lowBit, int digitBits) {
    const size_t n = items.size();
    const int passes = (64 - lowBit + digitBits - 1) / digitBits;
    const size_t buckets = size_t{1} << digitBits;
    const uint64_t mask = buckets - 1;
    std::vector<size_t> counts(static_cast<size_t>(passes) * buckets, 0);
    for (const KeyedWord& item : items)
        for (int p = 0; p < passes; ++p) ++counts[p * buckets + ((item.key >> (lowBit + p * digitBits)) & mask)];
    UninitVector<KeyedWord> scratch(n);
    KeyedWord* from = items.data();
    KeyedWord* to = scratch.data();
    for (int p = 0; p < passes; ++p) {
        size_t* c = counts.data() + p * buckets;
        bool trivial = false;
        for (size_t v = 0; v < buckets; ++v)
            if (c[v] == n) trivial = true;
        if (trivial) continue;
        size_t sum = 0;
        for (size_t v = 0; v < buckets; ++v) {
            size_t k = c[v];
            c[v] = sum;
            sum += k;
        }
        const int shift = lowBit + p * digitBits;
        for (size_t i = 0; i < n; ++i) to[c[(from[i].key >> shift) & mask]++] = from[i];
        std::swap(from, to);
    }
    if (from != items.data()) std::memcpy(items.data(), from, n * sizeof(KeyedWord));
}

}  // namespace

void SortByteOrder(char** words, size_t n, uint16_t* firstTwo) {
    auto fillFirstTwo = [&] {
        if (firstTwo == nullptr) return;
        for (size_t i = 0; i < n; ++i) {
            const auto* w = reinterpret_cast<const unsigned char*>(words[i]);
            firstTwo[i] = static_cast<uint16_t>((w[0] << 8) | (w[0] != 0 ? w[1] : 0));
        }
    };
    if (n < 64) {
        std::sort(words, words + n, [](const char* a, const char* b) { return TailLess(a, b); });
        fillFirstTwo();
        return;
    }
    UninitVector<KeyedWord> items(n);
    bool anyLonger = false;
    bool lettersOnly = true;
    for (size_t i = 0; i < n; ++i) {
        bool longer;
        uint64_t key;
        if (!LetterPrefixKey(words[i], key, longer)) {
            lettersOnly = false;
            break;
        }
        items[i] = {key, words[i]};
        anyLonger |= longer;
    }
    if (!lettersOnly) {
        anyLonger = false;
        for (size_t i = 0; i < n; ++i) {
            bool longer;
            items[i] = {BytePrefixKey(words[i], longer), words[i]};
            anyLonger |= longer;
        }
    }
    // Letter keys: twelve-bit digits over bits 4-63; byte keys: eight-bit digits.
    if (lettersOnly)
        RadixSortKeys(items, 4, 12);
    else
        RadixSortKeys(items, 0, 8);
    for (size_t i = 0; i < n; ++i) words[i] = items[i].word;
    // The first two bytes come from the keys, without reading the words again.
    if (firstTwo != nullptr) {
        for (size_t i = 0; i < n; ++i) {
            const uint64_t key = items[i].key;
            if (lettersOnly) {
                const unsigned a = static_cast<unsigned>(key >> 59), b = static_cast<unsigned>((key >> 54) & 0x1F);
                firstTwo[i] = static_cast<uint16_t>(((a ? a - 1 + 'a' : 0) << 8) | (b ? b - 1 + 'a' : 0));
            } else {
                firstTwo[i] = static_cast<uint16_t>(key >> 48);
            }
        }
    }
    if (!anyLonger) return;
    // Words sharing their whole key prefix: finish them on the rest of the word.
    const int skip = lettersOnly ? kLettersPerKey : kBytesPerKey;
    const uint64_t lastOfKey = lettersOnly ? (uint64_t{0x1F} << 4) : 0xFF;
    size_t start = 0;
    while (start < n) {
        size_t end = start + 1;
        while (end < n && items[end].key == items[start].key) ++end;
        if (end - start > 1 && (items[start].key & lastOfKey) != 0) {
            std::sort(words + start, words + end,
                      [skip](const char* a, const char* b) { return TailLess(a + skip, b + skip); });
        }
        start = end;
    }
}

int CompareByLength(const char* a, const char* b) {
    size_t la = std::strlen(a), lb = std::strlen(b);
    if (la != lb) return la < lb ? -1 : 1;
    return std::memcmp(a, b, la) < 0 ? -1 : (std::memcmp(a, b, la) > 0 ? 1 : 0);
}

void SortByLength(char** words, size_t n) {
    // Byte order first, then a stable pass by length keeps byte order within a length.
    SortByteOrder(words, n);
    std::stable_sort(words, words + n,
                     [](const char* a, const char* b) { return std::strlen(a) < std::strlen(b); });
}

void SortRhymeOrder(char** words, size_t n) {
    for (size_t i = 0; i < n; ++i) std::reverse(words[i], words[i] + std::strlen(words[i]));
    SortByteOrder(words, n);
    for (size_t i = 0; i < n; ++i) std::reverse(words[i], words[i] + std::strlen(words[i]));
}

void RestoreByteOrder(Dictionary& dict) {
    dict.NotAlphabetical = false;
    if (dict.WordCount > 2) SortByteOrder(dict.Words.data() + 1, static_cast<size_t>(dict.WordCount - 1));
}

}  // namespace sillabor
