#pragma once
// The anagrams of a word: the words of its anagram class. An exchange or a
// move of letters keeps a word's letters, so it can only give one of these,
// and most words have no anagram at all.

#include <cstdint>

#include "dictionary/dictionary.h"
#include "dictionary/large_storage.h"

namespace sillabor {

// For every word, the anagram class it belongs to when it has anagrams. Built
// once per loaded dictionary, when first needed.
class WordClasses {
public:
    // Builds the table unless it already belongs to the dictionary's contents.
    void Prepare(const Dictionary& dict);
    // The class of the word in `slot`, or -1 when no other word has its letters.
    int32_t ClassWithAnagrams(int32_t slot) const { return classOf_[static_cast<size_t>(slot)]; }

private:
    uint32_t generation_ = 0;
    const char* text_ = nullptr;
    int32_t wordCount_ = 0;
    UninitVector<int32_t> classOf_;
};

// The other words spelt with the letters of one word, each with the positions
// where it differs from that word.
class WordAnagrams {
public:
    // The words of class `cls` but `word`, which belongs to it.
    void Collect(const Dictionary& dict, int32_t cls, const char* word, int length);
    // Whether exchanging the letters at i < j (which differ) gives another word.
    bool IsExchange(int i, int j) const;
    // Whether some other word equals the word outside positions lo..hi: only
    // such a word can be a candidate that changed those positions alone.
    bool AnyDifferingWithin(int lo, int hi) const;
    // Whether the candidate, which equals the word outside lo..hi, is another word.
    bool ContainsChangedWithin(const char* candidate, int lo, int hi) const;

private:
    struct Other {
        const char* word;
        int firstDiff;
        int lastDiff;
        int diffs;
    };
    const Dictionary* dict_ = nullptr;
    const char* word_ = nullptr;
    Other others_[kMaxClassWords];
    int count_ = 0;
    // A full class may have left words out (the load warns about them):
    // candidates are then looked up.
    bool lookUp_ = false;
};

}  // namespace sillabor
