#pragma once
// The maker's substitution panel: what a typed box keeps, and the buttons
// that fill the 26 boxes.

#include <string>

#include "decrit/decrit_state.h"

namespace sillabor {

class RandomSource;

// What a box keeps of a typed character: a letter in upper case, or 0.
char BoxLetter(char typed);

// "Specchio": box i takes the letter of box 25 - i.
CipherBoxes MirrorBoxes(const CipherBoxes& boxes);
// "Ruota": box i takes the letter of box i + 1 (box 25 that of box 0).
CipherBoxes RotateBoxes(const CipherBoxes& boxes);
// Every box holds a letter and every letter is in a box: "Inverti" can be pressed.
bool IsPermutation(const CipherBoxes& boxes);
// "Inverti": the inverse substitution; boxes that are no permutation stay as they are.
CipherBoxes InvertBoxes(const CipherBoxes& boxes);

// "A Caso": the two random substitutions in turn, starting with the one that
// sends vowels to vowels and the six rare letters XYWHJK among themselves.
// `lastKind` is the kind the last press made (0 before the first press) and
// becomes this press's.
CipherBoxes PressRandom(int& lastKind, RandomSource& random);
// The caption of "A Caso" after a press of `kind`: the next press's number.
std::string RandomCaption(int kind);

}  // namespace sillabor
