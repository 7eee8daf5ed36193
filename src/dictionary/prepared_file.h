#pragma once
// The prepared dictionary file "j_r_<name>": a header of three little-endian
// 32-bit integers (words, classes, text length) and the words, each followed by
// a NUL, grouped by anagram class.

#include <cstdint>
#include <filesystem>
#include <string>

namespace sillabor {

inline constexpr const char* kPreparedPrefix = "j_r_";
inline constexpr int32_t kMaxTextLength = 16 * 1024 * 1024;  // the class offsets have 24 bits

std::filesystem::path PreparedFilePath(const std::filesystem::path& dictionariesDir,
                                       const std::string& name);

struct PreparedHeader {
    int32_t words = 0;
    int32_t classes = 0;
    int32_t textLength = 0;
};

// Reads the header; false when the file cannot be opened or is shorter than it.
// `fileSize` receives the file's size.
bool ReadPreparedHeader(const std::filesystem::path& path, PreparedHeader& header, uint64_t& fileSize);

// Reads up to `textLength` bytes of word text that follow the header into
// `destination`; returns the bytes read, or -1 when the file cannot be read.
int64_t ReadPreparedText(const std::filesystem::path& path, char* destination, int32_t textLength);

// Why a header cannot describe a dictionary that fits the file, or "" when it
// can. Checks made before any allocation.
std::string CheckPreparedHeader(const PreparedHeader& header, uint64_t fileSize);

// Why the word text does not hold `words` words of 1..39 letters a-z, each
// ended by a NUL inside `length` bytes, or "" when it does.
std::string CheckPreparedWords(const char* text, int32_t length, int32_t words);

}  // namespace sillabor
