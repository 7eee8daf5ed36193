#pragma once
// The dictionary's words as a letter tree, built once per loaded dictionary.
// A walk that spells a path of letters learns at each step, in one step,
// whether some word still begins with the path and whether the path is a word:
// the grid walk and the interleavings follow it instead of searching the word
// array again for every letter they add.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "dictionary/large_storage.h"

namespace sillabor {

class Dictionary;
class IndexCacheFile;
struct WordsFingerprint;

class WordTrie {
public:
    using Node = uint32_t;
    static constexpr Node kRoot = 0;
    static constexpr Node kNone = 0xFFFFFFFFu;

    // Builds the tree from the dictionary's words in byte order.
    void Build(const Dictionary& dict);
    // Takes the tree from its cache file; false (and the tree empty) when the
    // file is unusable or does not make a tree whose every link and slot lies
    // within bounds.
    bool Adopt(const std::filesystem::path& path, const WordsFingerprint& fingerprint, const Dictionary& dict);
    // The tree as bytes, for a cache file.
    std::span<const std::byte> Bytes() const {
        return {reinterpret_cast<const std::byte*>(nodes_), count_ * sizeof(Entry)};
    }
    bool Empty() const { return count_ == 0; }

    // The node of the path followed by `letter`; kNone when no word begins so
    // (and for anything but a-z).
    Node Child(Node node, char letter) const {
        const unsigned bit = static_cast<unsigned char>(letter) - 'a';
        if (node == kNone || bit >= 26) return kNone;
        const Entry& e = nodes_[node];
        if ((e.childMask >> bit & 1u) == 0) return kNone;
        return e.firstChild + CountBits(e.childMask & ((1u << bit) - 1u));
    }
    // The path's slot when it is a word, else 0.
    int32_t Slot(Node node) const { return node == kNone ? 0 : nodes_[node].slot; }

    // Follows `n` letters of `text` from `node`.
    Node Walk(Node node, const char* text, int n) const {
        for (int i = 0; i < n && node != kNone; ++i) node = Child(node, text[i]);
        return node;
    }
    // Follows a NUL-terminated text from `node`.
    Node Walk(Node node, const char* text) const {
        for (; *text != '\0' && node != kNone; ++text) node = Child(node, *text);
        return node;
    }
    // The slot of the word `text`, or 0.
    int32_t FindWord(const char* text) const { return text[0] == '\0' ? 0 : Slot(Walk(kRoot, text)); }

    // Bits set in a mask. Without a popcount instruction in the target, the
    // builtin is a library call, several times slower than this.
    static uint32_t CountBits(uint32_t x) {
#if defined(__POPCNT__) || defined(__wasm__)
        return static_cast<uint32_t>(__builtin_popcount(x));
#else
        x = x - ((x >> 1) & 0x55555555u);
        x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
        return ((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24;
#endif
    }

private:
    struct Entry {
        uint32_t childMask;   // bit k: a child for the letter 'a' + k
        uint32_t firstChild;  // the children follow one another, by letter
        int32_t slot;         // 0 when the path is no word
    };
    static_assert(sizeof(Entry) == 12);
    void Clear();

    const Entry* nodes_ = nullptr;
    size_t count_ = 0;
    // Where nodes_ points: a tree built here or a mapped cache file.
    UninitVector<Entry> built_;
    std::shared_ptr<const IndexCacheFile> file_;
};

}  // namespace sillabor
