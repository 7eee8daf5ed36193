#include "base/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <system_error>
#include <vector>

namespace sillabor {

namespace fs = std::filesystem;

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open() {
    Discard();
    failed_ = false;
    inPlace_ = false;
    std::error_code ec;
    destination_ = fs::is_symlink(target_, ec) ? fs::weakly_canonical(target_, ec) : target_;
    if (ec) destination_ = target_;
    const fs::file_status status = fs::status(destination_, ec);
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
        // A device or a pipe cannot be replaced by a file.
        file_ = std::fopen(destination_.c_str(), "wb");
        inPlace_ = file_ != nullptr;
        return inPlace_;
    }
    std::string hiddenName = ".";
    hiddenName += destination_.filename().string();
    hiddenName += "-XXXXXX";
    std::string pattern = (destination_.parent_path() / hiddenName).string();
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
    if (inPlace_) return !failed_;
    if (!failed_ && std::rename(temporary_.c_str(), destination_.c_str()) == 0) {
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

bool CheckedFile::Open(const fs::path& path, bool append) {
    Close();
    failed_ = false;
    if (!append) {
        replacement_ = std::make_unique<AtomicFile>(path);
        if (!replacement_->Open()) replacement_.reset();
        return replacement_ != nullptr;
    }
    file_ = std::fopen(path.c_str(), "ab");
    if (file_ == nullptr) return false;
    std::fseek(file_, 0, SEEK_END);
    appendStart_ = std::ftell(file_);
    return true;
}

bool CheckedFile::Write(std::string_view bytes) {
    if (!IsOpen() || failed_) return false;
    if (replacement_ != nullptr)
        failed_ = !replacement_->Write(bytes);
    else if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        failed_ = true;
    return !failed_;
}

bool CheckedFile::Close() {
    if (replacement_ != nullptr) {
        if (failed_ || !replacement_->Commit()) failed_ = true;
        replacement_.reset();  // drops the temporary file of a failed replacement
        return !failed_;
    }
    if (file_ == nullptr) return !failed_;
    if (std::fflush(file_) != 0) failed_ = true;
    if (failed_ && appendStart_ >= 0) {
        // What a failed append wrote goes again: the file ends where it ended
        // before (a device keeps what it took).
        [[maybe_unused]] const int cut = ftruncate(fileno(file_), appendStart_);
    }
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    AtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

}  // namespace sillabor
