#pragma once
// From the text of DecriMe to the cryptogram's words: the two notations, the
// known letters of the numeric one, and the refusals of bad input.

#include <string>
#include <string_view>
#include <vector>

#include "decrit/decrit_state.h"

namespace sillabor {

class Output;

struct CryptogramText {
    // Numbers 1..26 with known letters among them; letters otherwise.
    bool numeric = false;
    // The words, as the field shows them afterwards, one a line.
    std::vector<std::string> words;
};

// Folds and lowers the text and splits it into words: spaces and line breaks
// separate words in the alphabetic notation; in the numeric one a single space
// separates numbers and two or more separate words.
CryptogramText SplitCryptogram(std::string_view decriMe);

// The field's text after the split: the words one a line.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the words into state.CryptoWords and state.StartAssignment. On bad
// input prints the refusal and returns 1; 0 otherwise.
int ReadCryptogram(const CryptogramText& text, DecritState& state, Output& out);

}  // namespace sillabor
