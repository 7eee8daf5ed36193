#pragma once
// The dictionary's words in a hash table: the exact lookup of FindWord in
// about one memory access instead of a binary search, for the generators that
// look up candidates for nearly every word of the dictionary. A table may also
// key each word by its letters after the first, to find at once the words that
// differ from a text in their first letter alone. Built once per loaded
// dictionary, or taken from its cache file.

#include <cstdint>
#include <cstring>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"
#include "dictionary/large_storage.h"

namespace sillabor {

class WordHash {
public:
    // Keys are the whole words (skip 0), or the words without their first letter (skip 1).
    explicit WordHash(int skip = 0) : skip_(skip) {}

    // Builds the table unless it already belongs to the dictionary's contents.
    void Prepare(const Dictionary& dict);
    // Makes sure the cache file of the table with these keys fits the
    // dictionary, building a table that writes it when its header does not;
    // keeps nothing.
    static void PrepareFile(const Dictionary& dict, int skip);
    // The slot of the word whose key is `key`, or 0: with whole words as keys,
    // FindWord's answer.
    int32_t Find(const char* key) const;
    // Calls fn(slot) for every word whose key is `key`.
    template <typename Fn>
    void ForEachWithKey(const char* key, Fn&& fn) const {
        const uint64_t hash = HashOf(key);
        const uint32_t tag = TagOf(hash);
        if (!MayBePresent(tag)) return;
        for (uint64_t at = hash & mask_;; at = (at + 1) & mask_) {
            const Entry e = table_[at];
            if (e.tag == 0) return;
            if (e.tag == tag && std::strcmp(dict_->Words[e.slot] + skip_, key) == 0) fn(e.slot);
        }
    }

private:
    struct Entry {
        uint32_t tag;  // high bits of the key's hash, never 0 in a used entry
        int32_t slot;
    };

    // FNV-1a over the key's bytes.
    static uint64_t HashOf(const char* key) {
        uint64_t h = 0xCBF29CE484222325ull;
        for (const auto* p = reinterpret_cast<const unsigned char*>(key); *p != 0; ++p) h = (h ^ *p) * 0x100000001B3ull;
        return h;
    }
    static uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32) | 1u; }
    static std::filesystem::path FileOf(const Dictionary& dict, int skip) {
        return IndexCachePath(dict, skip == 0 ? "tabella-parole" : "tabella-code");
    }

    // Beside the table, one bit per few hash values, set where a key's tag
    // falls: most keys looked up are not words, and this small array, which
    // stays in the processor's cache, turns away about nine in ten of them
    // before the table (far larger, so a cache miss) is read.
    static constexpr uint64_t kPresenceBitsPerEntry = 4;
    void StartPresence(uint64_t tableSize);
    void MarkPresent(uint32_t tag) {
        const uint32_t bit = (tag >> 1) & presenceMask_;
        present_[bit >> 6] |= uint64_t{1} << (bit & 63);
    }
    bool MayBePresent(uint32_t tag) const {
        const uint32_t bit = (tag >> 1) & presenceMask_;
        return (present_[bit >> 6] >> (bit & 63) & 1) != 0;
    }

    void Build(const Dictionary& dict);
    // The table from the cache file; false unless it fits the dictionary.
    bool TakeCached(const Dictionary& dict, const std::filesystem::path& file, const WordsFingerprint& fingerprint);

    int skip_;
    const Dictionary* dict_ = nullptr;
    uint32_t generation_ = 0;
    const char* text_ = nullptr;
    int32_t wordCount_ = 0;
    UninitVector<Entry> table_;
    uint64_t mask_ = 0;
    std::vector<uint64_t> present_;
    uint32_t presenceMask_ = 0;
};

}  // namespace sillabor
