#pragma once
// The run of words that begin with some letters, in the word array's byte order.

#include "trova/word_endings.h"

namespace sillabor {

class Dictionary;

// The slots of the words that begin with the n letters of `text` (n >= 1),
// found inside the two-letter interval of the lookup tables.
SlotRange WordsBeginningWith(const Dictionary& dict, const char* text, int n);

}  // namespace sillabor
