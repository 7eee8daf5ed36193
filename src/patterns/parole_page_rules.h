#pragma once
// The small rules of the "Parole" page's buttons, fields and ticker that do
// not need a window.

#include <string>
#include <string_view>

#include "patterns/pattern_filter.h"

namespace sillabor {

// Captions of the mode buttons, in the order a click cycles them.
inline constexpr std::string_view kModeSatisfies = "soddisfa";
inline constexpr std::string_view kModeNotSatisfies = "non soddisfa";
inline constexpr std::string_view kModeIgnored = "..ignora..";

// Length limits of the page's fields.
inline constexpr int kLettersFieldMaxLength = 60;
inline constexpr int kPatternMaxLength = 200;
inline constexpr int kLengthFieldMaxLength = 2;

// The caption of a mode button, and the mode a caption stands for.
std::string_view ModeCaption(PatternMode mode);
PatternMode ModeOfCaption(std::string_view caption);
// "soddisfa" -> "non soddisfa" -> "..ignora.." -> "soddisfa".
PatternMode NextPatternMode(PatternMode mode);
// The caption of the button between the patterns: "o" when one of them is
// enough, "e" when both must hold.
inline std::string_view JoinCaption(bool eitherPattern) { return eitherPattern ? "o" : "e"; }
inline bool EitherPatternOfCaption(std::string_view caption) { return caption.empty() || caption[0] != 'e'; }

// The scrolling summary of the pattern syntax: 65 characters of the text from
// `offset`, wrapping to its start.
inline constexpr std::string_view kPatternSyntaxText =
    "+ = vocale   - = consonante   ? o . = carattere   * = sequenza qualsiasi   "
    "(...) = un carattere non in ...   [...] = un carattere tra i ...   "
    "A,..,Z = un equivalente in T9   1,..,9 = jolly speciali   ";
inline constexpr int kPatternSyntaxWidth = 65;
std::string PatternSyntaxWindow(int offset);
// The offset of the next tick.
int NextPatternSyntaxOffset(int offset);

}  // namespace sillabor
