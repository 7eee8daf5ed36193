#pragma once
// The lookup structures the "Cerca" searches build over the loaded dictionary:
// made the first time a search needs them, kept until another dictionary is
// loaded.

#include <cstdint>

#include "cerca/word_runs.h"
#include "cerca/word_trie.h"

namespace sillabor {

class Dictionary;

class CercaIndexes {
public:
    // Call on the search thread, with the word array in byte order.
    const WordTrie& Trie(const Dictionary& dict);
    const SuffixIndex& Suffixes(const Dictionary& dict);

private:
    // The dictionary generation each was built for, plus one (0: not built).
    uint64_t trieBuiltFor_ = 0;
    uint64_t suffixesBuiltFor_ = 0;
    WordTrie trie_;
    SuffixIndex suffixes_;
};

}  // namespace sillabor
