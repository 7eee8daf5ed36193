#include "base/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace sillabor {

bool CheckedFile::Open(const std::filesystem::path& path, bool append) {
    Close();
    failed_ = false;
    file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
    return file_ != nullptr;
}

bool CheckedFile::Write(std::string_view bytes) {
    if (file_ == nullptr || failed_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
    return !failed_;
}

bool CheckedFile::Close() {
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open() {
    Discard();
    failed_ = false;
    std::string hiddenName = "." + target_.filename().string() + "-XXXXXX";
    std::string pattern = (target_.parent_path() / hiddenName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    temporary_ = name.data();
    // mkstemp makes the file private; the target gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    file_ = fdopen(fd, "wb");
    if (file_ == nullptr) {
        close(fd);
        Discard();
        return false;
    }
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (file_ == nullptr || failed_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
    return !failed_;
}

bool AtomicFile::Commit() {
    if (file_ == nullptr) return false;
    if (std::fflush(file_) != 0) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    if (!failed_ && std::rename(temporary_.c_str(), target_.c_str()) == 0) {
        temporary_.clear();
        return true;
    }
    Discard();
    return false;
}

void AtomicFile::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

}  // namespace sillabor
