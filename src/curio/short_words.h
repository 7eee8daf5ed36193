#pragma once
// The short words of the dictionary in a small hash table of their packed
// keys: a lookup is one probe in a table that stays in cache, where the
// dictionary's own lookup reads a dozen words scattered through its text.

#include <cstdint>
#include <vector>

#include "dictionary/dictionary.h"

namespace sillabor {

class ShortWordSet {
public:
    // The words of at most maxLength letters (no more than kPackedCodes are
    // packed; longer ones go to the dictionary's lookup).
    ShortWordSet(const Dictionary& dict, int maxLength);

    // Whether the word of `length` letters is in the dictionary.
    bool Contains(const char* word, int length) const;

private:
    const Dictionary& dict_;
    int maxLength_;
    int shift_ = 64;
    std::vector<uint64_t> table_;  // 0 marks a free place: no word packs to 0
    // One bit set for each word's key: most keys that are no word's find theirs clear.
    int filterShift_ = 64;
    std::vector<uint64_t> filter_;
};

// The length of the dictionary's longest word.
int LongestWordLength(const Dictionary& dict);

}  // namespace sillabor
