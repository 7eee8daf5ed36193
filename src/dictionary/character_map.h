#pragma once
// How each byte of a dictionary source reads: a letter, the apostrophe marker,
// a hyphen, or a separator (NUL).

#include <array>

namespace sillabor {

// Stands for an apostrophe inside a word when the part before apostrophes is
// left out.
inline constexpr char kApostropheMarker = '\x01';

using CharacterMap = std::array<char, 256>;

// The map for a set of build options (BuildOption bits): a-z stay; A-Z and
// folded accented capitals stay capitals with kBuildSkipCapitalised, else are
// lowered; '-' stays with kBuildSkipHyphenated; the apostrophe and the acute
// accent become kApostropheMarker with kBuildSkipBeforeApostrophe; every other
// byte is a separator.
CharacterMap MakeCharacterMap(int options);

}  // namespace sillabor
