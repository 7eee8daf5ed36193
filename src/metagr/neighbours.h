#pragma once
// The words one move away from a word, found by trying every move against the
// dictionary's exact lookup, in the order the chains are printed in.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.h"
#include "metagr/metagr_state.h"

namespace sillabor {

enum class MoveDirection {
    // The words that `word` reaches in one move.
    kFrom,
    // The words from which one move reaches `word`. They differ from kFrom only
    // in the length rule: a removal is offered only from words longer than the
    // minimum, so an insertion into `word` leads back to a word that could have
    // reached it only when that word is longer than the minimum, while a
    // removal from `word` always leads back to one.
    kTo,
};

// Room for the neighbours of a word of `length` letters: its anagrams, its
// changes, insertions and removals.
size_t NeighbourCapacity(size_t length);

// Replaces `out` with the slots of the words one move from (or to) `word`, in
// this order: the other words of its anagram class, the changes by position
// and letter, the insertions by point and letter, the removals by position.
// A word may appear more than once (an insertion beside a double letter).
// `scratch` holds the candidates; reserve both for the longest word to spare
// allocations. Returns the count.
int FindNeighbours(const Dictionary& dict, const LadderMoves& moves, std::string_view word, MoveDirection direction,
                   std::vector<int32_t>& out, std::string& scratch);

}  // namespace sillabor
