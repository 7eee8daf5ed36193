#pragma once
// The "Parole" page's controls as plain values, and the small rules of its
// buttons and ticker that do not need a window.

#include <string>
#include <string_view>

namespace sillabor {

// Captions of the two mode buttons, in the order a click cycles them.
inline constexpr std::string_view kModeSatisfies = "soddisfa";
inline constexpr std::string_view kModeNotSatisfies = "non soddisfa";
inline constexpr std::string_view kModeIgnored = "..ignora..";

// Length limits of the page's fields.
inline constexpr int kSoloEdMaxLength = 60;
inline constexpr int kPatternMaxLength = 200;
inline constexpr int kLengthFieldMaxLength = 2;

// The values of the page's controls. Setting up the filter writes the
// normalised texts back into SoloEd, Pattern, Pattern2, EdObbligati and EdProibiti.
struct ParoleControls {
    bool SoloBx = false;                         // "Usa solo lettere:"
    std::string SoloEd;                          // the letters, e.g. "2a c"
    std::string EdObbligati;                     // "Gruppi obbligati", separated by spaces
    std::string EdProibiti;                      // "Gruppi proibiti"
    std::string EdMiLun = "0";                   // "Min"
    std::string EdMxLun = "40";                  // "Max"
    std::string Pattern = "*";                   // first pattern
    std::string Pattern2;                        // second pattern
    std::string BuSodd1{kModeSatisfies};         // mode of the first pattern
    std::string BuSodd2{kModeIgnored};           // mode of the second pattern
    std::string EOBott = "e";                    // "e" (and) or "o" (or)
};

// "soddisfa" -> "non soddisfa" -> "..ignora.." -> "soddisfa".
std::string NextModeCaption(std::string_view caption);
// "e" <-> "o".
std::string ToggledEOCaption(std::string_view caption);
// "C": every control back to its default.
void ClearParolePage(ParoleControls& page);

// The scrolling summary of the pattern syntax: 65 characters of the text from
// `offset`, wrapping to its start.
inline constexpr std::string_view kSpiegaParText =
    "+ = vocale   - = consonante   ? o . = carattere   * = sequenza qualsiasi   "
    "(...) = un carattere non in ...   [...] = un carattere tra i ...   "
    "A,..,Z = un equivalente in T9   1,..,9 = jolly speciali   ";
inline constexpr int kSpiegaParWidth = 65;
std::string SpiegaParWindow(int offset);
// The offset of the next tick.
int NextSpiegaParOffset(int offset);

}  // namespace sillabor
