#pragma once
// What a ladder search of the "Metagr" page asks for, and what one search
// keeps while it labels the dictionary and walks back from the end word.

#include <cstdint>
#include <string>
#include <vector>

#include "game/search_job.h"

namespace sillabor {

inline constexpr int kLadderFieldMaxLength = 12;  // each of the two words, as typed
inline constexpr int kMinInterLengthItems = 6;    // the minimum length offers 1..6
inline constexpr int kDefaultMinInterLength = 4;
inline constexpr int32_t kMaxChains = 100;
// Levels live in one byte per word, and 0 means "not labelled".
inline constexpr int kMaxLevel = 255;

struct MetagrRequest {
    std::string startWord;  // "Inizio : ", Windows-1252
    std::string endWord;    // "Fine  :"
    bool addRemove = false;  // "Aggiunta / Scarto"
    bool rearrange = false;  // "metAnagramma"
    // The shortest word in between when letters are added or removed, 1..6.
    int minInterLength = kDefaultMinInterLength;
};

// Folds accents, lowers case and keeps letters only in both words, as "Genera"
// does before it writes them back into the fields.
MetagrRequest NormaliseMetagrWords(MetagrRequest request);

// The page's check: the request with its words normalised, or the refusal of
// two equal words or of words of different lengths without additions and
// removals.
Checked<MetagrRequest> CheckMetagrRequest(const MetagrRequest& request);

// Which moves link two words.
struct LadderMoves {
    bool AddRemove = false;
    bool Rearrange = false;
    // A removal is offered only from words longer than this.
    int32_t MinInterLength = kDefaultMinInterLength;
};

struct MetagrState {
    std::string StartWord;
    std::string EndWord;
    LadderMoves moves;
    // The level of the end word's neighbour being walked back from.
    int32_t FoundLevel = 0;
    int32_t EndLength = 0;
    int32_t EndNeighbourCount = 0;
    int32_t EndNeighboursReached = 0;
    std::vector<int32_t> EndNeighbours;
    // The chain being walked back, by level (2 upward).
    int32_t Path[kMaxLevel + 1] = {};
};

}  // namespace sillabor
