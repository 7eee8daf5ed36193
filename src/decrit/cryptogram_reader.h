#pragma once
// From the page's text to the cryptogram's words: the two notations, the
// known letters of the numeric one, and the refusals of bad input.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decrit/decrit_state.h"
#include "game/search_job.h"

namespace sillabor {

struct CryptogramText {
    // Numbers 1..26 with known letters among them; letters otherwise.
    bool numeric = false;
    // The words, as the field shows them afterwards, one a line.
    std::vector<std::string> words;
};

// Folds and lowers the text and splits it into words: spaces and line breaks
// separate words in the alphabetic notation; in the numeric one a single space
// separates numbers and two or more separate words.
CryptogramText SplitCryptogram(std::string_view text);

// The field's text after the split: the words one a line.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the words into their symbols and the known letters into `start`; on
// bad input gives the page's refusal.
std::optional<Refusal> ReadCryptogram(const CryptogramText& text, std::vector<CryptoWord>& words, Assignment& start);

}  // namespace sillabor
