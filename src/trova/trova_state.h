#pragma once
// The "Trova" page's record: the values of its controls, the parameters a
// validated run derives from them, and the working storage of its generators.

#include <cstdint>
#include <string>

#include "trova/word_anagrams.h"
#include "trova/word_endings.h"
#include "trova/word_hash.h"

namespace sillabor {

// What a run of the page generates: the items of CreaQuale (0-9), then the
// page's six buttons (100-105).
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
    kCreaQualeItems = 10,
    kTrovaSciarade = 100,            // BotScia
    kTrovaSciaradeIncatenate = 101,  // BotSciaInc
    kTrovaAnagrammi = 102,           // BotAna
    kTrovaIntarsi = 103,             // BotInta
    kTrovaLucchetti = 104,           // BotLucc
    kTrovaCerniere = 105,            // BotCern
    kTrovaFirstButton = kTrovaSciarade,
    kTrovaLastButton = kTrovaCerniere,
};

// The controls of the page as the window (or the command line) reads them.
struct TrovaControls {
    int CreaQuale = kTrovaCambi;  // index of the selected item
    std::string EdCrLuMin = "3";  // Windows-1252 texts, as typed
    std::string EdCrLuMax = "40";
    bool AncheFinale = false;  // "Anche Finali"
    bool TuttiCambi = false;   // "Lettera :" / "Lettere :": the letters below are asked for
    std::string CambioDa;
    std::string CambioA;
};

inline constexpr int kMaxUsedWords = 2000;
// Room for a word of up to 40 letters and its NUL.
inline constexpr int kTrovaWordRoom = 41;

// What the generators read, set by the last validated run.
struct TrovaParams {
    int32_t MinLength = 3;
    int32_t MaxLength = 40;
    char Letter1 = 0;
    char Letter2 = 0;
    // Every letter qualifies (TuttiCambi unchecked).
    bool AnyLetter = true;
    // The ScrambledScan: its first slot and its step, coprime with WordCount.
    int32_t ScanStart = 0;
    int32_t ScanStep = 1;
    // Cambi also change the last letter.
    bool ChangeLast = false;

    // Sciarade: the parts already used in this run.
    int32_t UsedWords[kMaxUsedWords] = {};
    int32_t UsedCount = 0;
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
    TrovaControls page;
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
