#pragma once
// The help text: sections of a plain text file, printed on request.

#include <filesystem>
#include <string>

namespace sillabor {

class Output;

inline constexpr const char* kHelpFileName = "sillaboraiut.txt";

// Prints the first section of `helpFile` whose marker line is "###" followed by
// `key` (a prefix match), up to the next line starting with "**#" or the end of
// the file. The file is read as UTF-8 when it is valid UTF-8, as Windows-1252
// otherwise. Returns false, after printing why, when the file cannot be read.
bool PrintHelpSection(Output& out, const std::filesystem::path& helpFile, const std::string& key);

}  // namespace sillabor
