#pragma once
// The word pattern language: a pattern's text compiled once into codes that the
// matcher runs against every candidate word.
//
// Main codes, one byte each:
//   1-9      joker n
//   10-18    group n = code - 9: captures a run on its first use, then recurs as captured
//   20-28    group n = code - 19: the captured run recurs reversed
//   '*' '+' '-' '.'   any run, a vowel, a non-vowel, any character
//   64-93    letter set k = code - 64
//   'a'-'z'  that letter
//   '|' '}'  segment start and end
//   '~'      end of the word, then the derived-word check
// Derived codes: 1-9 joker n, 10-18 / 20-28 group n forward / reversed,
// 30-38 / 40-48 segment n forward / reversed, 'a'-'z' that letter.

#include <cstdint>
#include <string_view>

#include "dictionary/dictionary.h"

namespace sillabor {

class Output;

inline constexpr int kMaxPatternCodes = 99;
inline constexpr int kMaxLetterSets = 30;
inline constexpr int kPatternGroups = 9;
// A group of @pxy with y = 0 takes runs up to the longest length a field holds.
inline constexpr int kMaxGroupLength = kLengthFieldTop;
inline constexpr int kMaxSegments = kMaxPatternCodes / 2 + 1;
inline constexpr int kMaxDerivedLength = 43;

enum PatternCode : uint8_t {
    kCodeJoker = 0,           // + n, n = 1..9
    kCodeGroup = 9,           // + n
    kCodeGroupReversed = 19,  // + n
    kCodeSegment = 29,        // + n, derived codes only
    kCodeSegmentReversed = 39,  // + n, derived codes only
    kCodeRun = '*',
    kCodeVowel = '+',
    kCodeConsonant = '-',
    kCodeAny = '.',
    kCodeSet = 64,            // + k, k = 0..29
    kCodeSegmentStart = '|',
    kCodeSegmentEnd = '}',
    kCodeDerived = '~',
};

// CompilePattern results.
enum PatternResult : int {
    kPatternCompiled = 0,
    kPatternWithDerived = 1,
    kPatternMisplacedInSet = -1,      // * . + - @ # inside brackets
    kPatternBadBrackets = -2,         // nested or unclosed brackets, odd bars
    kPatternUnopenedBracket = -3,     // ) or ] alone, a bar inside brackets
    kPatternBadCharacter = -4,        // also: too many letter sets
    kPatternBadGroupNumber = -5,      // @ or # without 1..9
    kPatternTooLong = -6,             // more codes than fit
    kPatternBadOption = -7,           // bad @pxy or derived pattern
    kPatternBadDerived = -8,          // internal result of the derived pattern
    kPatternBadAfterComma = -9,
};

// One compiled pattern and the scratch state of one match.
struct CompiledPattern {
    // Main codes, 0-terminated.
    uint8_t codes[kMaxPatternCodes + 1] = {};
    int32_t codeCount = 0;
    int32_t setCount = 0;
    // Bit k set: the letter 'a' + k belongs to the set.
    uint32_t letterSets[kMaxLetterSets] = {};
    // Run lengths allowed to group n, at n - 1.
    int32_t groupMin[kPatternGroups] = {};
    int32_t groupMax[kPatternGroups] = {};
    uint8_t derivedCodes[kMaxPatternCodes + 1] = {};
    int32_t derivedCount = 0;
    int32_t segmentCount = 0;
    bool hasDerived = false;

    // Computed once by the compiler for the matcher: the segment each bar code
    // belongs to, and the fewest and most characters the codes from i onwards
    // can take (kUnbounded for a run).
    static constexpr int32_t kUnbounded = 1 << 20;
    uint8_t segmentOf[kMaxPatternCodes + 1] = {};
    int32_t minRest[kMaxPatternCodes + 1] = {};
    int32_t maxRest[kMaxPatternCodes + 1] = {};
    // The one-character codes after the last run or group, which can only
    // match the word's last `tailLength` characters: checked before backtracking.
    int32_t tailStart = 0;
    int32_t tailLength = 0;
    // The letters every matching word begins with.
    char prefix[kMaxPatternCodes + 1] = {};
    int32_t prefixLength = 0;

    // Match scratch: joker bindings (0 = unbound), group captures as positions
    // in the word (length 0 = not captured yet), segment bounds.
    char jokers[kPatternGroups + 1] = {};
    int32_t captureStart[kPatternGroups] = {};
    int32_t captureLength[kPatternGroups] = {};
    int32_t segmentStart[kMaxSegments] = {};
    int32_t segmentEnd[kMaxSegments] = {};
    // The slot of the last derived word looked up, 0 when it is not a word.
    int32_t derivedWord = 0;
};

// Compiles a normalised pattern text. Prints the error's own message lines
// through `out`, if it has any, and returns a PatternResult.
int CompilePattern(CompiledPattern& pattern, std::string_view text, Output& out);

}  // namespace sillabor
