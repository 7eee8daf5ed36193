#pragma once
// The words grouped by length, each group in slot order, with the letters of
// the shorter words packed into keys (codes 1..26 for a..z), so that the passes
// over one length read a compact array instead of words scattered in the text.

#include <cstdint>
#include <vector>

#include "curio/key_groups.h"
#include "dictionary/dictionary.h"

namespace sillabor {

// The place of the code at `position` in a packed key.
inline constexpr int PackedShift(int position) { return 5 * (kPackedCodes - 1 - position); }

// A packed key without its code at `position`: the codes after it move up one
// place, so the key is that of the shorter text.
inline constexpr uint64_t PackedWithout(uint64_t key, int position) {
    const uint64_t low = (uint64_t{1} << (5 * (kPackedCodes - position))) - 1;
    return (key & ~low) | ((key << 5) & low);
}

// Where the letters before `position` start in the keys KeysWithout makes:
// the words of one length come in byte order, so the keys come in order of
// those bits. 64 for words whose keys are hashed.
inline constexpr int BlankedKeyPrefixShift(int length, int position) {
    return length <= kPackedCodes ? 5 * (kPackedCodes - position) : 64;
}

class WordsByLength {
public:
    explicit WordsByLength(const Dictionary& dict);

    int MaxLength() const { return static_cast<int>(slots_.size()) - 1; }
    int64_t Count(int length) const { return length <= MaxLength() ? static_cast<int64_t>(Slots(length).size()) : 0; }
    const std::vector<int32_t>& Slots(int length) const { return slots_[static_cast<size_t>(length)]; }
    // For lengths up to kPackedCodes: the key of each word, in the order of Slots.
    const std::vector<uint64_t>& Packed(int length) const { return packed_[static_cast<size_t>(length)]; }

    // The keys of the words of one length without their letter at `position`,
    // in the order of Slots; each item's tag is that letter (0..25).
    void KeysWithout(const Dictionary& dict, int length, int position, std::vector<KeyedItem>& items) const;

private:
    std::vector<std::vector<int32_t>> slots_;
    std::vector<std::vector<uint64_t>> packed_;
};

}  // namespace sillabor
