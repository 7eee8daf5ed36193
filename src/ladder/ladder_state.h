#pragma once
// The "Metagr" page's record: the values of its controls, and what one ladder
// search keeps while it labels the dictionary and walks back from the end word.

#include <cstdint>
#include <string>
#include <vector>

namespace sillabor {

inline constexpr int kLadderFieldMaxLength = 12;  // MetaDa and MetaA
inline constexpr int kMinInterLengthItems = 6;    // LMinMeta offers 1..6
inline constexpr int kDefaultMinInterLength = 4;
inline constexpr int32_t kMaxChains = 100;
// Levels live in one byte per word, and 0 means "not labelled".
inline constexpr int kMaxLevel = 255;

// The controls of the page as the window (or the command line) reads them.
struct LadderPage {
    std::string MetaDa;  // "Inizio : ", Windows-1252
    std::string MetaA;   // "Fine  :"
    bool ASMeta = false;  // "Aggiunta / Scarto"
    bool MetAna = false;  // "metAnagramma"
    int LMinMeta = kDefaultMinInterLength;  // the minimum length itself, 1..6
};

// Folds accents, lowers case and keeps letters only in both words, as "Genera"
// does before it writes them back into the fields.
void NormaliseLadderWords(LadderPage& page);

// Which moves link two words.
struct LadderMoves {
    bool AddRemove = false;
    bool Rearrange = false;
    // A removal is offered only from words longer than this.
    int32_t MinInterLength = kDefaultMinInterLength;
};

struct LadderState {
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
