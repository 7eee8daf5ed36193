#pragma once
// Conversions between the core's Windows-1252 text and UTF-8 at the edges.

#include <string>
#include <string_view>

namespace sillabor {

bool IsValidUtf8(std::string_view text);

// Decodes UTF-8 into Windows-1252; a character with no Windows-1252 form becomes
// `unmappable`. Invalid sequences are taken byte by byte as Windows-1252.
std::string Utf8ToCp1252(std::string_view utf8, char unmappable = '?');

std::string Cp1252ToUtf8(std::string_view text);

// Text that may be either: UTF-8 when it is valid UTF-8, Windows-1252 otherwise.
std::string ExternalToCp1252(std::string_view text, char unmappable = '?');

}  // namespace sillabor
