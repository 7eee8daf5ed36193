// Files rewritten whole appear only when complete; a failure keeps the old one.

#include "base/file_writer.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

size_t EntriesIn(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommitAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "lista.txt";
    WriteFile(target, "vecchio\n");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        file.Write("a meta'");
    }  // dropped without Commit
    EXPECT_EQ(ReadFile(target), "vecchio\n");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("nuovo\n"));
        EXPECT_EQ(ReadFile(target), "vecchio\n");  // not yet
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(ReadFile(target), "nuovo\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);

    // A directory in the way of the rename: the commit fails and cleans up.
    const fs::path blocked = folder.path() / "cartella";
    fs::create_directories(blocked / "dentro");
    AtomicFile file(blocked);
    ASSERT_TRUE(file.Open());
    file.Write("testo");
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(fs::is_directory(blocked / "dentro"));
    EXPECT_EQ(EntriesIn(folder.path()), 2u);

    EXPECT_FALSE(WriteFileAtomically(folder.path() / "manca" / "lista.txt", "x"));
}

// Runs `write` in a child process whose files cannot grow past `limit` bytes,
// the way a full disk stops a write half-way; true when it reported failure.
bool FailsBeyondFileSize(rlim_t limit, const std::function<bool()>& write) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit cap{limit, limit};
        setrlimit(RLIMIT_FSIZE, &cap);
        _exit(write() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(AtomicFile, ALinkIsFollowedAndKept) {
    TempFolder folder;
    const fs::path real = folder.path() / "vero.txt", link = folder.path() / "collegamento.txt";
    WriteFile(real, "vecchio\n");
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link, "nuovo\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "nuovo\n");

    // A link to a device is written in place: a full one fails and stays a link.
    const fs::path device = folder.path() / "disco", full = folder.path() / "pieno.txt";
    test::MakeFullDisk(device);
    fs::create_symlink(device, full);
    EXPECT_FALSE(WriteFileAtomically(full, "parole\n"));
    EXPECT_TRUE(fs::is_symlink(full));
    EXPECT_FALSE(fs::is_regular_file(device));
    EXPECT_EQ(EntriesIn(folder.path()), 4u);
}

TEST(CheckedFile, AWriteThatFailsHalfWayKeepsTheEarlierFile) {
    TempFolder folder;
    const fs::path path = folder.path() / "Anagrammi.txt";
    const std::string earlier = "risultati di prima\n";
    const std::string many(4096, 'x');
    for (bool append : {false, true}) {
        WriteFile(path, earlier);
        EXPECT_TRUE(FailsBeyondFileSize(100, [&] {
            CheckedFile file;
            if (!file.Open(path, append)) return true;
            file.Write(many);
            return file.Close();
        })) << append;
        EXPECT_EQ(ReadFile(path), earlier) << append;
        EXPECT_EQ(EntriesIn(folder.path()), 1u) << append;
    }
}

TEST(CheckedFile, AFullDiskIsReportedAtTheLatestOnClose) {
    TempFolder folder;
    const fs::path path = folder.path() / "pieno.txt";
    test::MakeFullDisk(path);
    CheckedFile file;
    ASSERT_TRUE(file.Open(path, false));
    file.Write("poche parole\n");  // buffered: the failure shows when it is flushed
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Failed());
}

}  // namespace
}  // namespace sillabor
