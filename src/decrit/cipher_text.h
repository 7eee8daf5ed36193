#pragma once
// The maker's output: the page's text enciphered through the boxes, or
// written as a numeric cryptogram.

#include <string>
#include <string_view>
#include <vector>

#include "decrit/decrit_state.h"

namespace sillabor {

class Output;

// The lines of a multi-line field: a line break ends a line, and a final one
// starts no empty line.
std::vector<std::string> FieldLines(std::string_view text);

// Each ASCII letter replaced by its image, in the letter's own case, or by a
// blank when its box is empty; every other character as it is.
std::string EncipherLine(std::string_view line, const CipherBoxes& boxes);

// The numeric cryptogram of the lines: a run of blanks becomes " - ", each
// letter a number, one blank between numbers, other characters as they are.
// The numbers are the letters' order of first appearance over the whole text
// ("Numeri 1"), or with `boxes` the alphabet positions of their images, "?"
// for an empty box ("Numeri 2").
std::vector<std::string> NumericLines(const std::vector<std::string>& lines, const CipherBoxes* boxes);

// The output area emptied and filled with the text enciphered.
void PrintEnciphered(Output& out, std::string_view text, const CipherBoxes& boxes);

enum NumericForm : int { kNumeri1 = 1, kNumeri2 = 2 };
// The output area emptied and filled with the numeric cryptogram of the text.
void PrintNumeric(Output& out, std::string_view text, const CipherBoxes& boxes, NumericForm form);

}  // namespace sillabor
