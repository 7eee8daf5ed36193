#pragma once
// What the "Trova" page's game keeps: the parameters a checked request sets,
// and the working storage of its generators.

#include <cstdint>
#include <vector>
#include <string>

#include "dictionary/dictionary.h"
#include "trova/word_anagrams.h"
#include "trova/word_endings.h"
#include "trova/word_hash.h"

namespace sillabor {

// What a run of the page generates: the ten games of its list (0-9), then
// those of its six buttons (100-105).
enum TrovaSubOption : int {
    kTrovaScambi = 0,
    kTrovaCambi = 1,
    kTrovaAntipodiIniziali = 2,
    kTrovaAntipodiFinali = 3,
    kTrovaMetatesi = 4,
    kTrovaScarti = 5,
    kTrovaCambiAntipodo = 6,
    kTrovaBifrontiIniziale = 7,
    kTrovaBifrontiFinale = 8,
    kTrovaBifrontiEntrambe = 9,
    kTrovaListGames = 10,
    kTrovaSciarade = 100,
    kTrovaSciaradeIncatenate = 101,
    kTrovaAnagrammi = 102,
    kTrovaIntarsi = 103,
    kTrovaLucchetti = 104,
    kTrovaCerniere = 105,
    kTrovaFirstButton = kTrovaSciarade,
    kTrovaLastButton = kTrovaCerniere,
};

// Room for a word as long as a length field allows, and its NUL.
inline constexpr int kTrovaWordRoom = kLengthFieldTop + 1;

// What the generators read, set by the last validated run.
struct TrovaParams {
    int32_t MinLength = 3;
    int32_t MaxLength = kLengthFieldTop;
    char Letter1 = 0;
    char Letter2 = 0;
    // Every letter qualifies (no letters asked for).
    bool AnyLetter = true;
    // The ScrambledScan: its first slot and its step, coprime with WordCount.
    int32_t ScanStart = 0;
    int32_t ScanStep = 1;
    // Cambi also change the last letter.
    bool ChangeLast = false;

    // Sciarade: the parts already used in this run, a bit for each slot.
    std::vector<uint64_t> UsedWords;
    // Sciarade: the splits of one word, first and second part.
    int32_t SplitFirst[kTrovaWordRoom] = {};
    int32_t SplitSecond[kTrovaWordRoom] = {};
    int32_t SplitCount = 0;
    // Intarsi: the two parts being built and the word with A's letters in capitals.
    char PartA[kTrovaWordRoom] = {};
    char PartB[kTrovaWordRoom] = {};
    char Marked[kTrovaWordRoom] = {};
};

struct TrovaState {
    TrovaParams params;
    // Indexes of the loaded dictionary, built when a run first needs them: the
    // words by hash, whole and without their first letter, by their endings,
    // and the anagram class of each word.
    WordHash words{0};
    WordHash tails{1};
    WordEndings endings;
    WordClasses classes;
};

}  // namespace sillabor
