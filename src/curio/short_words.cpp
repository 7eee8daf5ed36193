#include "curio/short_words.h"

#include <algorithm>
#include <bit>

#include "curio/key_groups.h"  // kPackedCodes

namespace sillabor {

namespace {

size_t Place(uint64_t key, int shift) {
    key ^= key >> 29;
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift);
}

size_t FilterBit(uint64_t key, int shift) {
    key ^= key >> 31;
    return static_cast<size_t>((key * 0xD6E8FEB86659FD93ull) >> shift);
}

// Five bits a letter, codes 1..26, the last letter lowest: never 0, and
// words of different lengths differ.
uint64_t PackedKey(const char* word, int length) {
    uint64_t key = 0;
    for (int k = 0; k < length; ++k) key = (key << 5) | static_cast<uint64_t>(word[k] - 'a' + 1);
    return key;
}

}  // namespace

int LongestWordLength(const Dictionary& dict) {
    // The classes come longest first.
    return dict.ClassCount > 0 ? dict.Classes[0].letters.total : 0;
}

ShortWordSet::ShortWordSet(const Dictionary& dict, int maxLength)
    : dict_(dict), maxLength_(std::clamp(maxLength, 0, kPackedCodes)) {
    // The classes come longest first: the short ones are at the end.
    std::vector<uint64_t> keys;
    for (int32_t c = dict.ClassCount - 1; c >= 0; --c) {
        const AnagramClass& cls = dict.Classes[static_cast<size_t>(c)];
        if (cls.letters.total > maxLength_) break;
        dict.ForEachWordOfClass(cls, [&](const char* word) { keys.push_back(PackedKey(word, cls.letters.total)); });
    }
    const int bits = std::max(4, static_cast<int>(std::bit_width(keys.size() * 2)));
    shift_ = 64 - bits;
    table_.assign(size_t{1} << bits, 0);
    const size_t mask = table_.size() - 1;
    // About 32 bits a word: a probe that finds its bit clear, as most do,
    // reads nothing else.
    const int filterBits = std::max(12, static_cast<int>(std::bit_width(keys.size() * 32)));
    filterShift_ = 64 - filterBits;
    filter_.assign(size_t{1} << (filterBits - 6), 0);
    for (uint64_t key : keys) {
        size_t at = Place(key, shift_);
        while (table_[at] != 0 && table_[at] != key) at = (at + 1) & mask;
        table_[at] = key;
        const size_t bit = FilterBit(key, filterShift_);
        filter_[bit >> 6] |= uint64_t{1} << (bit & 63);
    }
}

bool ShortWordSet::Contains(const char* word, int length) const {
    if (length > maxLength_) return dict_.FindWord(word) != 0;
    if (length == 0) return false;
    const uint64_t key = PackedKey(word, length);
    const size_t bit = FilterBit(key, filterShift_);
    if ((filter_[bit >> 6] >> (bit & 63) & 1) == 0) return false;
    const size_t mask = table_.size() - 1;
    for (size_t at = Place(key, shift_);; at = (at + 1) & mask) {
        if (table_[at] == key) return true;
        if (table_[at] == 0) return false;
    }
}

}  // namespace sillabor
