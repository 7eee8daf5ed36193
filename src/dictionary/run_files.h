#pragma once
// Run files of a dictionary build: words in byte order, each once and followed
// by a NUL, ended by the word "{" and a NUL. Merged and filtered runs add the
// number of their words after the end word, as a 32-bit little-endian integer.

#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>

namespace sillabor {

// Sorts after every word of letters a-z.
inline constexpr std::string_view kRunEndWord = "{";

class RunWriter {
public:
    RunWriter() = default;
    RunWriter(const RunWriter&) = delete;
    RunWriter& operator=(const RunWriter&) = delete;
    ~RunWriter();

    bool Open(const std::filesystem::path& file);
    void Write(std::string_view word);
    // Writes the end word (and the count when asked) and closes the file.
    // False when anything could not be written.
    bool Finish(bool withCount);
    int32_t Count() const { return count_; }

private:
    std::FILE* file_ = nullptr;
    int32_t count_ = 0;
    bool failed_ = false;
};

class RunReader {
public:
    RunReader() = default;
    RunReader(const RunReader&) = delete;
    RunReader& operator=(const RunReader&) = delete;
    ~RunReader();

    bool Open(const std::filesystem::path& file);
    // Reads the next word; false once the end word or the end of the file is
    // reached.
    bool Next();
    bool HasWord() const { return hasWord_; }
    const std::string& Word() const { return word_; }
    bool Failed() const { return failed_; }
    void Close();

private:
    int GetByte();

    std::FILE* file_ = nullptr;
    std::string word_;
    bool hasWord_ = false;
    bool failed_ = false;
};

// Merges the runs two at a time, from the front of the queue, into
// "mrg_tmp_" + m in `folder`, each appended at the back, until one is left; the
// consumed runs are deleted. Equal words are written once. False when a run
// could not be read or written.
bool MergeRuns(std::deque<std::filesystem::path>& runs, const std::filesystem::path& folder);

// Writes the words of `words` that are not in `exclusions` into `result`, and
// deletes both inputs. False when a run could not be read or written.
bool SubtractRun(const std::filesystem::path& words, const std::filesystem::path& exclusions,
                 const std::filesystem::path& result);

// A private folder for the run files of one build, removed with everything in
// it when the object goes away.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    // Empty when the folder could not be made.
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace sillabor
