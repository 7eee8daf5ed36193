#include "dictionary/prepared_file.h"

#include <cstdio>

#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

int32_t LittleEndian32(const unsigned char* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

// The declared text may run up to this many bytes past the end of the file.
constexpr int64_t kTextSlack = 6;

}  // namespace

std::filesystem::path PreparedFilePath(const std::filesystem::path& dictionariesDir,
                                       const std::string& name) {
    return dictionariesDir / name / (kPreparedPrefix + name);
}

PreparedFileReader::~PreparedFileReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool PreparedFileReader::Open(const std::filesystem::path& path) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

bool PreparedFileReader::OpenBytes(const std::vector<char>& bytes) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = bytes.empty() ? nullptr : fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    return file_ != nullptr;
}

bool PreparedFileReader::ReadHeader(PreparedHeader& header, uint64_t& fileSize) {
    if (file_ == nullptr || std::fseek(file_, 0, SEEK_END) != 0) return false;
    long size = std::ftell(file_);
    if (size < 0) return false;
    fileSize = static_cast<uint64_t>(size);
    std::rewind(file_);
    unsigned char bytes[12];
    if (std::fread(bytes, 1, sizeof bytes, file_) != sizeof bytes) return false;
    header.words = LittleEndian32(bytes);
    header.classes = LittleEndian32(bytes + 4);
    header.textLength = LittleEndian32(bytes + 8);
    return true;
}

int64_t PreparedFileReader::ReadText(char* destination, int32_t textLength) {
    if (file_ == nullptr || std::fseek(file_, 12, SEEK_SET) != 0) return -1;
    size_t got = std::fread(destination, 1, static_cast<size_t>(textLength), file_);
    if (std::ferror(file_)) return -1;
    return static_cast<int64_t>(got);
}

std::string CheckPreparedHeader(const PreparedHeader& header, uint64_t fileSize) {
    if (header.words < 0 || header.classes < 0 || header.textLength < 0)
        return "intestazione con valori negativi";
    if (header.classes < 1 || header.classes > header.words)
        return "numero di classi non valido";
    // Every word takes at least one letter and its NUL.
    if (static_cast<int64_t>(header.words) * 2 > header.textLength)
        return "numero di parole non valido";
    int64_t present = static_cast<int64_t>(fileSize) - 12;
    if (present + kTextSlack < header.textLength) return "file troncato";
    return "";
}

std::string CheckPreparedWords(const char* text, int32_t length, int32_t words) {
    int32_t pos = 0;
    for (int32_t w = 0; w < words; ++w) {
        int32_t start = pos;
        while (pos < length && text[pos] != '\0') {
            if (text[pos] < 'a' || text[pos] > 'z') return "caratteri non ammessi";
            ++pos;
        }
        if (pos >= length) return "parola senza terminatore";
        int32_t letters = pos - start;
        if (letters == 0) return "parola vuota";
        if (letters > kMaxWordLength) return "parola troppo lunga";
        ++pos;
    }
    return "";
}

}  // namespace sillabor
