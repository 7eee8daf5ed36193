#pragma once
// Runs of dictionary words that share a beginning (in the word array, which
// is in byte order) or an ending (in a rhyme-ordered list of slots built once
// per loaded dictionary). A generator that needs the words beginning or ending
// with a part of the base reads one run instead of sweeping the dictionary.

#include <cstdint>

#include "dictionary/large_storage.h"

namespace sillabor {

class Dictionary;

// Half-open range of positions.
struct WordRun {
    int32_t first = 0;
    int32_t last = 0;
    int32_t Size() const { return last - first; }
};

// The slots of the words that begin with the `n` letters of `text` (n >= 1).
WordRun PrefixRun(const Dictionary& dict, const char* text, int n);

// The slots of the dictionary in rhyme order: by the reversed word.
class SuffixIndex {
public:
    void Build(const Dictionary& dict);
    bool Empty() const { return slots_.empty(); }

    // The positions of the words that end with the `n` letters of `text` (n >= 1).
    WordRun Run(const Dictionary& dict, const char* text, int n) const;
    int32_t Slot(int32_t position) const { return slots_[position]; }

private:
    UninitVector<int32_t> slots_;
};

}  // namespace sillabor
