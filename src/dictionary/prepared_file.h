#pragma once
// The prepared dictionary file "j_r_<name>": a header of three little-endian
// 32-bit integers (words, classes, text length) and the words, each followed by
// a NUL, grouped by anagram class.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

// One prepared file, opened once: its header and its text come from the same
// file even when another one is renamed over it in between.
class PreparedFileReader {
public:
    PreparedFileReader() = default;
    PreparedFileReader(const PreparedFileReader&) = delete;
    PreparedFileReader& operator=(const PreparedFileReader&) = delete;
    ~PreparedFileReader();

    // False when the file cannot be opened.
    bool Open(const std::filesystem::path& path);
    // Reads a prepared file held in memory; `bytes` must outlive the reader.
    bool OpenBytes(const std::vector<char>& bytes);
    // Reads the header; false when the file is shorter than it. `fileSize`
    // receives the file's size.
    bool ReadHeader(PreparedHeader& header, uint64_t& fileSize);
    // Reads up to `textLength` bytes of word text that follow the header into
    // `destination`; returns the bytes read, or -1 when the file cannot be read.
    int64_t ReadText(char* destination, int32_t textLength);

private:
    std::FILE* file_ = nullptr;
};

// Why a header cannot describe a dictionary that fits the file, or "" when it
// can. Checks made before any allocation.
std::string CheckPreparedHeader(const PreparedHeader& header, uint64_t fileSize);

// Why the word text does not hold `words` words of 1..39 letters a-z, each
// ended by a NUL inside `length` bytes, or "" when it does.
std::string CheckPreparedWords(const char* text, int32_t length, int32_t words);

}  // namespace sillabor
