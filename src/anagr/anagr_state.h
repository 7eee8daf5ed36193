#pragma once
// The anagram engine's working state.

#include <cstdint>
#include <string>
#include <vector>

#include "anagr/anagr_request.h"
#include "dictionary/dictionary.h"
#include "dictionary/letter_count.h"

namespace sillabor {

inline constexpr int kAnagramMaxDepth = 20;
inline constexpr int kMaxSavedHalves = 101;

struct AnagrState {
    uint8_t FilterMode = kFilterNone;
    std::string SchemaText;
    int32_t SchemaLengths[kMaxSchemaWords] = {};
    int32_t LengthRange[kLengthSlots][2] = {};
    bool SchemaMode = false;
    bool WrapLines = false;
    bool CompactOutput = true;
    int32_t MinWordLen = 1;
    int32_t MinWords = 1;
    int32_t MaxWords = kAnyNumberOfWords;
    int32_t LastSchemaIndex = 0;
    int64_t HalfComboLimit = 0;
    int32_t CandidateCount = 0;
    int32_t Chosen[kAnagramMaxDepth * 2] = {};
    int64_t Deadline = 0;
    std::string LineText;
    int32_t SavedHalves[kMaxSavedHalves][kAnagramMaxDepth] = {};
    int32_t SavedLengths[kMaxSavedHalves] = {};
    int64_t ComboCount = 0;
    int32_t SavedCount = 0;
    int64_t CandidateWords = 0;
    LetterCount Remaining{};
    bool ShortPhrase = true;
    int HalfPhase = 0;
    std::string FixedText;
    bool Shuffle = false;
    int64_t ResultLimit = 10000;

    // Per candidate, in candidate order: its length (its class is in the
    // dictionary's ClassScratch).
    std::vector<int32_t> candidateLength;
    // Per candidate, for the lines: where its words start in the word text
    // (one after the other, each ended by a NUL), their length and count.
    struct WordRun {
        const char* first;
        int32_t length;
        int32_t count;
    };
    std::vector<WordRun> candidateWords;
    // The word groups of the line being composed, one per chosen class.
    struct Group {
        // Left unset: AppendGroup fills the slots it uses, and zeroing all 128
        // for every group of every line cost more than composing the line.
        Group() {}
        const char* words[128];
        int count = 0;
    };
    std::vector<Group> groups;
    std::string expanded;
    // Finished lines not yet printed, each ended by '\n': the first
    // pendingSize bytes of pendingLines, which keeps its size so that a line
    // is copied in without filling the room first. They go to the printer
    // from pendingLimit bytes on: the first line at once, then in blocks.
    std::string pendingLines;
    size_t pendingSize = 0;
    // Where the lines of a combination are made, kept at its largest size.
    std::string lineRoom;
    size_t pendingLimit = 0;
};

}  // namespace sillabor
