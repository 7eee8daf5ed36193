#include "cerca/cerca_indexes.h"

#include <type_traits>

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

constexpr const char* kTrieFile = "albero";
constexpr const char* kRhymeFile = "rime";

uint64_t Stamp(const Dictionary& dict) {
    return (static_cast<uint64_t>(dict.Generation.load(std::memory_order_relaxed)) << 32 |
            static_cast<uint32_t>(dict.WordCount)) + 1;
}

// Takes the index from its cache file, or builds it and writes the file.
template <typename Index>
void TakeOrBuild(Index& index, const Dictionary& dict, const char* kind, const WordsFingerprint& fingerprint) {
    const auto path = IndexCachePath(dict, kind);
    if constexpr (std::is_same_v<Index, WordTrie>) {
        if (index.Adopt(path, fingerprint, dict)) return;
    } else {
        if (index.Adopt(IndexCacheFile::Open(path, fingerprint), dict)) return;
    }
    index.Build(dict);
    // A folder that cannot take the file only costs the next process the build.
    if constexpr (std::is_same_v<Index, WordTrie>)
        index.WriteFile(path, fingerprint);
    else if (!index.Empty())
        WriteIndexCacheFile(path, fingerprint, index.Bytes());
}

}  // namespace

const WordsFingerprint& CercaIndexes::Fingerprint(const Dictionary& dict) {
    if (fingerprintFor_ != Stamp(dict)) {
        fingerprint_ = FingerprintOf(dict);
        fingerprintFor_ = Stamp(dict);
    }
    return fingerprint_;
}

const WordTrie& CercaIndexes::Trie(const Dictionary& dict) {
    if (trieBuiltFor_ != Stamp(dict)) {
        trieBuiltFor_ = 0;
        TakeOrBuild(trie_, dict, kTrieFile, Fingerprint(dict));
        trieBuiltFor_ = Stamp(dict);
    }
    return trie_;
}

const SuffixIndex& CercaIndexes::Suffixes(const Dictionary& dict) {
    if (suffixesBuiltFor_ != Stamp(dict)) {
        suffixesBuiltFor_ = 0;
        TakeOrBuild(suffixes_, dict, kRhymeFile, Fingerprint(dict));
        suffixesBuiltFor_ = Stamp(dict);
    }
    return suffixes_;
}

}  // namespace sillabor
