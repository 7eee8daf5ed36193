#pragma once
// The cernita: in a phrase, equal letters cancel out in pairs and the letters
// left (those of odd count) are the selection. The words that are anagrams of
// the selection, and the words that added to a base leave exactly a goal.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/output.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"

namespace sillabor {

// The letters of odd count in `text` (accents folded, case lowered), each once,
// in the order of their first occurrence.
std::string SelectionOf(std::string_view text);

// The parity mask of a text's letters, as ParityMask gives it for a class.
uint32_t ParityMaskOf(std::string_view text);

// One parity mask per anagram class, in class order, computed once per loaded
// dictionary: a keystroke then costs one comparison per class.
class CernMasks {
public:
    // Computes the masks unless they are those of the dictionary as loaded now.
    // Reads the dictionary: only while no search runs.
    void Update(const Dictionary& dict);
    bool IsCurrent(const Dictionary& dict) const;
    const std::vector<uint32_t>& Masks() const { return masks_; }

private:
    std::vector<uint32_t> masks_;
    uint32_t generation_ = 0;
    bool computed_ = false;
};

// "cernita on-the-fly": empties the output and prints one line, the words of
// the selection's anagram class each followed by a blank (an empty line when
// there are none).
void PrintSelectionWords(const Dictionary& dict, Output& out, std::string_view selection);

inline constexpr std::string_view kDoubleGoalMessage = "Il risultato (goal) non pu\xF2 contenere lettere doppie!";
// A line of the completion is printed once it grows beyond this many characters.
inline constexpr size_t kCompletionLineMark = 500;

struct CompletionResult {
    bool refused = false;  // the goal holds a letter twice: only the message was printed
    int32_t found = 0;     // words listed
    int64_t elapsedMs = 0;
};

// "completa la cernita": empties the output and lists the words whose letters,
// added to `base`, leave exactly `goal`: class by class, a class of several
// words as one bracketed group, in lines split after kCompletionLineMark
// characters. Counts the words in FoundCount. `masks` must be current.
CompletionResult CompleteSelection(const Dictionary& dict, const CernMasks& masks, Output& out,
                                   SearchState& state, std::string_view base, std::string_view goal);

}  // namespace sillabor
