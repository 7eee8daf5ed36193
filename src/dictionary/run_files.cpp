#include "dictionary/run_files.h"

#include <stdlib.h>

#include <system_error>
#include <vector>

namespace sillabor {

namespace {

constexpr size_t kStreamBuffer = 1 << 16;

}  // namespace

RunWriter::~RunWriter() {
    if (file_ != nullptr) std::fclose(file_);
}

bool RunWriter::Open(const std::filesystem::path& file) {
    file_ = std::fopen(file.c_str(), "wb");
    if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
    count_ = 0;
    failed_ = file_ == nullptr;
    return !failed_;
}

void RunWriter::Write(std::string_view word) {
    if (file_ == nullptr) return;
    if (std::fwrite(word.data(), 1, word.size(), file_) != word.size() || std::fputc('\0', file_) == EOF)
        failed_ = true;
    ++count_;
}

bool RunWriter::Finish(bool withCount) {
    if (file_ == nullptr) return false;
    if (std::fwrite(kRunEndWord.data(), 1, kRunEndWord.size(), file_) != kRunEndWord.size() ||
        std::fputc('\0', file_) == EOF)
        failed_ = true;
    if (withCount) {
        auto n = static_cast<uint32_t>(count_);
        unsigned char bytes[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                  static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
        if (std::fwrite(bytes, 1, 4, file_) != 4) failed_ = true;
    }
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

RunReader::~RunReader() { Close(); }

bool RunReader::Open(const std::filesystem::path& file) {
    Close();
    file_ = std::fopen(file.c_str(), "rb");
    if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
    failed_ = file_ == nullptr;
    hasWord_ = false;
    return !failed_;
}

void RunReader::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    hasWord_ = false;
}

int RunReader::GetByte() { return getc_unlocked(file_); }

bool RunReader::Next() {
    hasWord_ = false;
    if (file_ == nullptr) return false;
    word_.clear();
    int c;
    while ((c = GetByte()) != EOF && c != '\0') word_.push_back(static_cast<char>(c));
    if (c == EOF) {
        // A run always ends with its end word: anything else is a damaged file.
        if (std::ferror(file_) || !word_.empty()) failed_ = true;
        failed_ = true;
        return false;
    }
    if (word_ == kRunEndWord) return false;
    hasWord_ = true;
    return true;
}

bool MergeRuns(std::deque<std::filesystem::path>& runs, const std::filesystem::path& folder) {
    int merged = 0;
    while (runs.size() >= 2) {
        std::filesystem::path first = runs.front();
        runs.pop_front();
        std::filesystem::path second = runs.front();
        runs.pop_front();
        std::filesystem::path output = folder / ("mrg_tmp_" + std::to_string(merged++));
        runs.push_back(output);

        RunReader a, b;
        RunWriter writer;
        if (!a.Open(first) || !b.Open(second) || !writer.Open(output)) return false;
        a.Next();
        b.Next();
        while (a.HasWord() || b.HasWord()) {
            if (a.HasWord() && b.HasWord()) {
                int order = a.Word().compare(b.Word());
                if (order == 0) {
                    writer.Write(a.Word());
                    a.Next();
                    b.Next();
                } else if (order < 0) {
                    writer.Write(a.Word());
                    a.Next();
                } else {
                    writer.Write(b.Word());
                    b.Next();
                }
            } else if (a.HasWord()) {
                writer.Write(a.Word());
                a.Next();
            } else {
                writer.Write(b.Word());
                b.Next();
            }
        }
        bool damaged = a.Failed() || b.Failed();
        a.Close();
        b.Close();
        std::error_code ec;
        std::filesystem::remove(first, ec);
        std::filesystem::remove(second, ec);
        if (!writer.Finish(true) || damaged) return false;
    }
    return true;
}

bool SubtractRun(const std::filesystem::path& words, const std::filesystem::path& exclusions,
                 const std::filesystem::path& result) {
    RunReader in, ex;
    RunWriter writer;
    if (!in.Open(words) || !ex.Open(exclusions) || !writer.Open(result)) return false;
    in.Next();
    ex.Next();
    while (in.HasWord()) {
        if (ex.HasWord()) {
            int order = in.Word().compare(ex.Word());
            if (order == 0) {
                in.Next();
                ex.Next();
                continue;
            }
            if (order > 0) {
                ex.Next();
                continue;
            }
        }
        writer.Write(in.Word());
        in.Next();
    }
    bool damaged = in.Failed() || ex.Failed();
    in.Close();
    ex.Close();
    std::error_code ec;
    std::filesystem::remove(words, ec);
    std::filesystem::remove(exclusions, ec);
    return writer.Finish(true) && !damaged;
}

TemporaryFolder::TemporaryFolder() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    std::string name = (base / "sillabor-build-XXXXXX").string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) != nullptr) path_ = buffer.data();
}

TemporaryFolder::~TemporaryFolder() {
    if (path_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace sillabor
