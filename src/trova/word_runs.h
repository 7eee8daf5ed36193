#pragma once
// Runs of words that begin with some letters: in the word array's byte order,
// or in any array of words sorted the same way.

#include <cstdint>

namespace sillabor {

class Dictionary;

struct SlotRange {
    int32_t first = 0;
    int32_t end = 0;  // one past the last
    int32_t Size() const { return end - first; }
};

// The positions in [lo, hi) of a byte-ordered array of words whose first n
// letters are those of `key`.
SlotRange PrefixRange(const char* const* words, int32_t lo, int32_t hi, const char* key, int n);

// The slots of the words that begin with the n letters of `text` (n >= 1),
// found inside the two-letter interval of the lookup tables.
SlotRange WordsBeginningWith(const Dictionary& dict, const char* text, int n);

}  // namespace sillabor
