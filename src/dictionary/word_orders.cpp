#include "dictionary/word_orders.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

// A word with its first eight bytes packed big-endian, so that comparing keys
// as integers compares those bytes in byte order.
struct KeyedWord {
    uint64_t key;
    char* word;
};

inline uint64_t PrefixKey(const char* w, bool& longer) {
    uint64_t key = 0;
    int i = 0;
    for (; i < 8 && w[i]; ++i) key = (key << 8) | static_cast<unsigned char>(w[i]);
    longer = (i == 8 && w[8] != '\0');
    return key << (8 * (8 - i));
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

// LSD radix sort on the 64-bit keys, one byte per pass; passes whose byte is the
// same for every key are skipped.
void RadixSortKeys(std::vector<KeyedWord>& items) {
    const size_t n = items.size();
    std::vector<KeyedWord> scratch(n);
    size_t counts[8][256] = {};
    for (const KeyedWord& item : items)
        for (int b = 0; b < 8; ++b) ++counts[b][(item.key >> (8 * b)) & 0xFF];
    KeyedWord* from = items.data();
    KeyedWord* to = scratch.data();
    for (int b = 0; b < 8; ++b) {
        size_t* c = counts[b];
        bool trivial = false;
        for (int v = 0; v < 256; ++v)
            if (c[v] == n) trivial = true;
        if (trivial) continue;
        size_t sum = 0;
        for (int v = 0; v < 256; ++v) {
            size_t k = c[v];
            c[v] = sum;
            sum += k;
        }
        for (size_t i = 0; i < n; ++i) to[c[(from[i].key >> (8 * b)) & 0xFF]++] = from[i];
        std::swap(from, to);
    }
    if (from != items.data()) std::memcpy(items.data(), from, n * sizeof(KeyedWord));
}

}  // namespace

void SortByteOrder(char** words, size_t n) {
    if (n < 2) return;
    if (n < 64) {
        std::sort(words, words + n, [](const char* a, const char* b) { return TailLess(a, b); });
        return;
    }
    std::vector<KeyedWord> items(n);
    bool anyLonger = false;
    for (size_t i = 0; i < n; ++i) {
        bool longer;
        items[i] = {PrefixKey(words[i], longer), words[i]};
        anyLonger |= longer;
    }
    RadixSortKeys(items);
    for (size_t i = 0; i < n; ++i) words[i] = items[i].word;
    if (!anyLonger) return;
    // Words sharing their first eight bytes: finish them on the rest of the word.
    size_t start = 0;
    while (start < n) {
        size_t end = start + 1;
        while (end < n && items[end].key == items[start].key) ++end;
        if (end - start > 1 && (items[start].key & 0xFF) != 0) {
            std::sort(words + start, words + end,
                      [](const char* a, const char* b) { return TailLess(a + 8, b + 8); });
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
