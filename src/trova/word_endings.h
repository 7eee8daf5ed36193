#pragma once
// The dictionary's words by their endings: every word spelt backwards, in byte
// order, so that the words ending with some letters form one run found by two
// binary searches. Built once per loaded dictionary, when first needed; the
// order is kept in the dictionary's cache file.

#include <cstdint>

#include "dictionary/dictionary.h"
#include "dictionary/large_storage.h"
#include "trova/word_runs.h"

namespace sillabor {

class WordEndings {
public:
    // Builds the index unless it already belongs to the dictionary's contents;
    // false when there is none (a dictionary that a load did not make).
    bool Prepare(const Dictionary& dict);
    // Makes sure the cache file of the order fits the dictionary, building an
    // index that writes it when its header does not; keeps nothing.
    static void PrepareFile(const Dictionary& dict);

    // The positions of the words that end with the n letters of `ending`
    // (written forwards); n >= 1.
    SlotRange Ending(const char* ending, int n) const;
    // The word at a position, spelt forwards and backwards.
    const char* Word(int32_t position) const { return forwardBase_ + (reversed_[position] - reversedText_.data()); }

private:
    uint32_t generation_ = 0;
    const char* forwardBase_ = nullptr;  // the dictionary's text it was built for
    int32_t wordCount_ = 0;
    UninitVector<char> reversedText_;  // the word text with every word reversed in place
    UninitVector<char*> reversed_;     // the reversed words in byte order
};

}  // namespace sillabor
