// Files rewritten whole appear only when complete; a failure keeps the old one.

#include "base/file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
    TempFolder folder;
    const fs::path target = folder.path() / "lista.txt";
    WriteFile(target, "vecchio\n");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("nuovo\n"));
        EXPECT_EQ(ReadFile(target), "vecchio\n");  // not yet
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(ReadFile(target), "nuovo\n");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);  // no temporary file left
}

TEST(AtomicFile, DroppedOrFailedWritesLeaveTheTargetAndNoTemporaryFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "lista.txt";
    WriteFile(target, "vecchio\n");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        file.Write("a meta'");
    }  // dropped without Commit
    EXPECT_EQ(ReadFile(target), "vecchio\n");

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

TEST(CheckedFile, AFullDiskIsReportedAtTheLatestOnClose) {
    TempFolder folder;
    const fs::path path = folder.path() / "pieno.txt";
    fs::create_symlink("/dev/full", path);
    CheckedFile file;
    ASSERT_TRUE(file.Open(path, false));
    file.Write("poche parole\n");  // buffered: the failure shows when it is flushed
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Failed());
}

}  // namespace
}  // namespace sillabor
