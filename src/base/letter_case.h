#pragma once
// The case of ASCII letters: the only letters a dictionary word holds, and the
// capitals that mark the letters of a game in a printed line.

namespace sillabor {

constexpr bool IsLowerAscii(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
constexpr char ToUpperAscii(char c) { return IsLowerAscii(c) ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char ToLowerAscii(char c) { return IsUpperAscii(c) ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace sillabor
