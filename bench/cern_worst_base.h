#pragma once
// The heaviest keystroke of the "Cern" page on a dictionary: the base whose
// completion (with an empty goal) lists the most text, that is the parity
// mask shared by the classes with the most characters of words.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "dictionary/dictionary.h"
#include "cern/cernita.h"

namespace sillabor::bench {

struct WorstCernBase {
    std::string base;  // one letter for each odd parity of the mask
    size_t characters = 0;
};

inline WorstCernBase FindWorstCernBase(const Dictionary& dict, const CernMasks& masks) {
    std::unordered_map<uint32_t, size_t> characters;
    for (size_t i = 0; i < masks.Masks().size(); ++i) {
        const AnagramClass& cls = dict.Classes[i];
        // Each word and its blank, and the brackets of a group.
        size_t size = static_cast<size_t>(cls.letters.total + 1) * static_cast<size_t>(cls.WordsInClass());
        if (cls.WordsInClass() > 1) size += 2;
        characters[masks.Masks()[i]] += size;
    }
    WorstCernBase worst;
    uint32_t mask = 0;
    for (const auto& [m, size] : characters)
        if (size > worst.characters) {
            worst.characters = size;
            mask = m;
        }
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << (25 - i))) worst.base.push_back(static_cast<char>('a' + i));
    return worst;
}

}  // namespace sillabor::bench
