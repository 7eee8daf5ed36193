// One game using another's header: the check must refuse it.
#include "anagrams/anagram_state.h"
