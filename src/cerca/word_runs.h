#pragma once
// Runs of dictionary words that share a beginning (in the word array, which
// is in byte order) or an ending (in a rhyme-ordered list of slots built once
// per loaded dictionary). A generator that needs the words beginning or ending
// with a part of the base reads one run instead of sweeping the dictionary.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "dictionary/large_storage.h"

namespace sillabor {

class Dictionary;
class IndexCacheFile;

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
    // Takes the order from a cache file's bytes; false (and the order empty)
    // unless they hold one slot of the dictionary for each of its words.
    bool Adopt(std::shared_ptr<const IndexCacheFile> file, const Dictionary& dict);
    // The order as bytes, for a cache file.
    std::span<const std::byte> Bytes() const {
        return {reinterpret_cast<const std::byte*>(slots_), count_ * sizeof(int32_t)};
    }
    bool Empty() const { return count_ == 0; }

    // The positions of the words that end with the `n` letters of `text` (n >= 1).
    WordRun Run(const Dictionary& dict, const char* text, int n) const;
    int32_t Slot(int32_t position) const { return slots_[position]; }

private:
    void Clear();

    const int32_t* slots_ = nullptr;
    size_t count_ = 0;
    // Where slots_ points: an order built here or a mapped cache file.
    UninitVector<int32_t> built_;
    std::shared_ptr<const IndexCacheFile> file_;
};

}  // namespace sillabor
