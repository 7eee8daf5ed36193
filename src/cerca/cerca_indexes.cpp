#include "cerca/cerca_indexes.h"

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

uint64_t Stamp(const Dictionary& dict) {
    return (static_cast<uint64_t>(dict.Generation.load(std::memory_order_relaxed)) << 32 |
            static_cast<uint32_t>(dict.WordCount)) + 1;
}

}  // namespace

const WordTrie& CercaIndexes::Trie(const Dictionary& dict) {
    if (trieBuiltFor_ != Stamp(dict)) {
        trieBuiltFor_ = 0;
        trie_.Build(dict);
        trieBuiltFor_ = Stamp(dict);
    }
    return trie_;
}

const SuffixIndex& CercaIndexes::Suffixes(const Dictionary& dict) {
    if (suffixesBuiltFor_ != Stamp(dict)) {
        suffixesBuiltFor_ = 0;
        suffixes_.Build(dict);
        suffixesBuiltFor_ = Stamp(dict);
    }
    return suffixes_;
}

}  // namespace sillabor
