#pragma once
// The dictionary's words as a letter tree, built once per loaded dictionary.
// A walk that spells a path of letters learns at each step, in one step,
// whether some word still begins with the path and whether the path is a word:
// the grid walk and the interleavings follow it instead of searching the word
// array again for every letter they add.
//
// A tree taken from its cache file is not read whole when it is taken: each
// piece of the file is checked (its hash and its entries' bounds) the first
// time a walk reads an entry of it, so a search that reaches a small part of
// the tree reads only that part. Not for two threads at once.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "dictionary/index_cache.h"
#include "dictionary/large_storage.h"

namespace sillabor {

class Dictionary;

class WordTrie {
public:
    using Node = uint32_t;
    static constexpr Node kRoot = 0;
    static constexpr Node kNone = 0xFFFFFFFFu;

    // The cache file's format version.
    static constexpr uint64_t kFileLayout = 2;

    // Builds the tree from the dictionary's words in byte order.
    void Build(const Dictionary& dict);
    // Takes the tree from its cache file; false (and the tree empty) when the
    // file is missing, stale or of another layout. A piece found damaged
    // later, when a walk first reads it, makes the tree build itself from
    // `dict` there and then (the same tree the file was made from, so every
    // node a walk holds stays good) and write the file anew: `dict` must
    // outlive the tree's use, with the same words.
    bool Adopt(const std::filesystem::path& path, const WordsFingerprint& fingerprint, const Dictionary& dict);
    // Writes the built tree to its cache file; false when the folder cannot take it.
    bool WriteFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint) const;
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
        const Entry e = At(node);
        if ((e.bits >> bit & 1u) == 0) return kNone;
        return e.link + CountBits(e.bits & ((1u << bit) - 1u));
    }
    // The path's slot when it is a word, else 0.
    int32_t Slot(Node node) const {
        if (node == kNone) return 0;
        const Entry e = At(node);
        if ((e.bits & kLetters) == 0) return static_cast<int32_t>(e.link);
        if ((e.bits & kWord) == 0) return 0;
        // The slot is in the entry before the children when it is of a leaf's
        // kind, whose link was checked as a slot; a file may put any entry there.
        const Entry before = At(e.link - 1);
        return (before.bits & kLetters) == 0 ? static_cast<int32_t>(before.link) : 0;
    }

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
    // A node with children has their letters in `bits` and the first of them
    // in `link` (they follow one another, by letter); when it is also a word,
    // the entry just before its children holds the slot, as a leaf's does. A
    // leaf has its slot in `link`.
    struct Entry {
        uint32_t bits;  // bit k: a child for the letter 'a' + k; kWord
        uint32_t link;
    };
    static_assert(sizeof(Entry) == 8);
    static constexpr uint32_t kLetters = (1u << 26) - 1;
    static constexpr uint32_t kWord = 1u << 26;
    static constexpr size_t kPieceEntries = IndexCacheFile::kPieceBytes / sizeof(Entry);
    class FileCheck;
    void Clear();

    // Entry i, its piece checked first when it comes from a file.
    Entry At(Node i) const {
        const size_t piece = i / kPieceEntries;
        if ((checked_[piece / 64] >> (piece % 64) & 1) == 0) [[unlikely]]
            CheckPiece(piece);
        return nodes_[i];
    }
    void CheckPiece(size_t piece) const;
    void BuildFrom(const Dictionary& dict) const;
    void MarkAllChecked() const;

    // A tree from a file becomes a tree built here when a piece of it turns
    // out damaged, in the middle of a walk that only reads it: hence mutable.
    mutable const Entry* nodes_ = nullptr;
    mutable size_t count_ = 0;
    // Where nodes_ points: a tree built here or a mapped cache file.
    mutable UninitVector<Entry> built_;
    mutable std::shared_ptr<const IndexCacheFile> file_;
    // One bit per piece of kPieceEntries entries: checked (every bit of a
    // tree built here).
    mutable std::vector<uint64_t> checked_ = std::vector<uint64_t>(1, ~uint64_t{0});
    // What a damaged file is built again from, and where it goes.
    const Dictionary* dict_ = nullptr;
    std::filesystem::path path_;
    WordsFingerprint fingerprint_;
};

}  // namespace sillabor
