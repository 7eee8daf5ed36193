#include "curio/word_lengths.h"

#include <cstring>

namespace sillabor {

namespace {

constexpr int32_t kWordsAhead = 16;

}  // namespace

WordsByLength::WordsByLength(const Dictionary& dict) {
    slots_.resize(1);
    packed_.resize(1);
    uint8_t codes[kPackedCodes];
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        // The words lie in the text by class, not by slot: asking for a later
        // one now lets the cache misses overlap.
        if (slot + kWordsAhead <= dict.WordCount) __builtin_prefetch(dict.Words[static_cast<size_t>(slot + kWordsAhead)]);
        const char* word = dict.Words[static_cast<size_t>(slot)];
        const size_t length = std::strlen(word);
        if (length >= slots_.size()) {
            slots_.resize(length + 1);
            packed_.resize(length + 1);
        }
        slots_[length].push_back(slot);
        if (length <= kPackedCodes) {
            for (size_t k = 0; k < length; ++k) codes[k] = static_cast<uint8_t>(word[k] - 'a' + 1);
            packed_[length].push_back(KeyOfCodes(codes, static_cast<int>(length)));
        }
    }
}

void WordsByLength::KeysWithout(const Dictionary& dict, int length, int position,
                                std::vector<KeyedItem>& items) const {
    const std::vector<int32_t>& slots = Slots(length);
    items.resize(slots.size());
    if (length <= kPackedCodes) {
        const std::vector<uint64_t>& packed = Packed(length);
        const int shift = PackedShift(position);
        for (size_t k = 0; k < slots.size(); ++k) {
            const int letter = static_cast<int>((packed[k] >> shift) & 31) - 1;
            items[k] = {PackedWithout(packed[k], position), slots[k], letter};
        }
        return;
    }
    uint8_t codes[kMaxWordLength + 1];
    for (size_t k = 0; k < slots.size(); ++k) {
        const char* word = dict.Words[static_cast<size_t>(slots[k])];
        int n = 0;
        for (int c = 0; c < length; ++c)
            if (c != position) codes[n++] = static_cast<uint8_t>(word[c] - 'a' + 1);
        items[k] = {KeyOfCodes(codes, n), slots[k], word[position] - 'a'};
    }
}

}  // namespace sillabor
