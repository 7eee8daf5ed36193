#pragma once
// The thirty reports of the "Curio" page: their codes, and the buttons that
// start them, in the page's order (six columns, five rows).

#include <string_view>

namespace sillabor {

// A report's code: the option of the search that runs it.
enum CurioCode : int {
    kCurioCounts = 1,                // conteggi
    kCurioMostChanges = 2,           // + cambi
    kCurioRotations26 = 3,           // rotaz.(26)
    kCurioRotations21 = 4,           // rotaz.(21)
    kCurioDecreasing = 5,            // decresc.
    kCurioRepeats = 6,               // ripetizioni
    kCurioMostAnagrams = 7,          // + anagram.
    kCurioDifferentLetters = 8,      // lett.div.
    kCurioVowelPalindromes = 9,      // voc. pal.
    kCurioConsonantPalindromes = 10, // cons. pal.
    kCurioMonovocalic = 11,          // monovoc.
    kCurioMonoconsonantal = 12,      // monocons.
    kCurioIncreasing = 13,           // crescenti
    kCurioConsecutiveDifferent = 14, // let.div.cons.
    kCurioVowelConsonant = 15,       // ..c.v.c..
    kCurioPanvocalic = 16,           // panvocal.
    kCurioAlternating = 17,          // alternanti
    kCurioEveryChange = 18,          // tutticambi
    kCurioT9Equivalents = 19,        // T9 equiv
    kCurioT9Multiples = 20,          // T9 mult.
    kCurioBiconsonantal = 21,        // bicons.
    kCurioPalindromes = 22,          // palindromi
    kCurioBifronti = 23,             // bifronti
    kCurioEveryRemoval = 24,         // tuttiscarti
    kCurioEveryExchange = 25,        // tuttiscambi
    kCurioRiseFall = 26,             // saliscendi
    kCurioMicro = 27,                // micro N
    kCurioAlternateIntarsi = 28,     // intarsi perf.
    kCurioAlternateScarti = 29,      // scarti alt.
    kCurioSameConsonants = 30,       // + omocons.
};

inline constexpr int kCurioReportCount = 30;

struct CurioButton {
    const char* caption;
    int code;
};

// The page's buttons in order, with the report each starts; the "micro"
// button's caption changes with its mode.
inline constexpr CurioButton kCurioButtons[kCurioReportCount] = {
    {"crescenti", kCurioIncreasing},        {"ripetizioni", kCurioRepeats},
    {"monocons.", kCurioMonoconsonantal},   {"conteggi", kCurioCounts},
    {"+ cambi", kCurioMostChanges},         {"saliscendi", kCurioRiseFall},
    {"let.div.cons.", kCurioConsecutiveDifferent}, {"decresc.", kCurioDecreasing},
    {"bicons.", kCurioBiconsonantal},       {"T9 equiv", kCurioT9Equivalents},
    {"+ anagram.", kCurioMostAnagrams},     {"micro 1", kCurioMicro},
    {"lett.div.", kCurioDifferentLetters},  {"alternanti", kCurioAlternating},
    {"monovoc.", kCurioMonovocalic},        {"T9 mult.", kCurioT9Multiples},
    {"tuttiscambi", kCurioEveryExchange},   {"intarsi perf.", kCurioAlternateIntarsi},
    {"voc. pal.", kCurioVowelPalindromes},  {"palindromi", kCurioPalindromes},
    {"panvocal.", kCurioPanvocalic},        {"rotaz.(26)", kCurioRotations26},
    {"tuttiscarti", kCurioEveryRemoval},    {"scarti alt.", kCurioAlternateScarti},
    {"cons. pal.", kCurioConsonantPalindromes}, {"bifronti", kCurioBifronti},
    {"..c.v.c..", kCurioVowelConsonant},    {"rotaz.(21)", kCurioRotations21},
    {"tutticambi", kCurioEveryChange},      {"+ omocons.", kCurioSameConsonants},
};

inline constexpr int kMicroButton = 11;

inline bool IsCurioCode(int code) { return code >= 1 && code <= kCurioReportCount; }

// The caption of the report's button as the page first shows it.
const char* CurioCaption(int code);

// The report whose button has this caption, ignoring case and surrounding
// blanks; "micro" and "micro 1" to "micro 5" all name the micro report (the
// number, when given, goes to *microNumber). 0 when no button has it.
int CurioCodeOfCaption(std::string_view caption, int* microNumber = nullptr);

}  // namespace sillabor
