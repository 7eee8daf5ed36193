#pragma once
// The lookup structures the "Cerca" searches use over the loaded dictionary:
// taken from the dictionary's cache files when they match it, else built the
// first time a search needs them and written there for the next process;
// kept until another dictionary is loaded.

#include <cstdint>

#include "cerca/word_runs.h"
#include "cerca/word_trie.h"
#include "dictionary/index_cache.h"

namespace sillabor {

class Dictionary;

class CercaIndexes {
public:
    // Call on the search thread, with the word array in byte order.
    const WordTrie& Trie(const Dictionary& dict);
    const SuffixIndex& Suffixes(const Dictionary& dict);

private:
    const WordsFingerprint& Fingerprint(const Dictionary& dict);

    // The dictionary generation each was built for, plus one (0: not built).
    uint64_t trieBuiltFor_ = 0;
    uint64_t suffixesBuiltFor_ = 0;
    uint64_t fingerprintFor_ = 0;
    WordTrie trie_;
    SuffixIndex suffixes_;
    WordsFingerprint fingerprint_;
};

}  // namespace sillabor
