#pragma once
// Files the program writes. Every write is checked, and a file that is rewritten
// whole goes to a temporary name beside it first and is renamed into place only
// when complete, so a failure never leaves a truncated file or loses the old one.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace sillabor {

// A file rewritten whole: written under a hidden temporary name beside the
// target and renamed over it by Commit. Dropped without Commit (or on any
// failure), the temporary file is removed and the target stays as it was. A
// link is followed (the file it names is replaced, the link stays); a target
// that is not a regular file, such as a device, is written in place.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target) : target_(std::move(target)) {}
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Creates the temporary file. False when it cannot.
    bool Open();
    bool Write(std::string_view bytes);
    // Closes the temporary file and renames it over the target. False, with the
    // target untouched, when anything failed.
    bool Commit();

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path destination_;  // the target, its link followed
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool inPlace_ = false;
    bool failed_ = false;
};

// A file appended to or replaced line by line, such as a save file. A
// replacement appears only when it is complete; a failed append is cut back to
// where it began. Either way a failure leaves the earlier file as it was.
// After the first failed write it stops writing and remembers the failure.
class CheckedFile {
public:
    CheckedFile() = default;
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;
    ~CheckedFile() { Close(); }

    // Opens for writing: replacing, or appending when `append`. False when it cannot.
    bool Open(const std::filesystem::path& path, bool append);
    bool IsOpen() const { return file_ != nullptr || replacement_ != nullptr; }
    // False once any write has failed; later writes are skipped.
    bool Write(std::string_view bytes);
    // Completes the file; false when that or an earlier write failed.
    bool Close();
    bool Failed() const { return failed_; }

private:
    std::FILE* file_ = nullptr;  // appending
    long appendStart_ = 0;
    std::unique_ptr<AtomicFile> replacement_;  // replacing
    bool failed_ = false;
};

// Writes `bytes` as the whole content of `path` through an AtomicFile.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace sillabor
