#include "dictionary/run_files.h"

#include <gtest/gtest.h>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

std::string RunBytes(std::initializer_list<const char*> words) {
    std::string bytes;
    for (const char* w : words) bytes += std::string(w) + '\0';
    return bytes + "{" + '\0';
}

std::string Counted(std::string run, uint8_t count) { return run + std::string(1, static_cast<char>(count)) + std::string(3, '\0'); }

TEST(RunFiles, MergeQueueWritesEachWordOnceWithItsCount) {
    test::TempFolder folder;
    const fs::path& dir = folder.path();
    WriteFile(dir / "r0", RunBytes({"ape", "casa", "zebra"}));
    WriteFile(dir / "r1", RunBytes({"cane", "casa"}));
    WriteFile(dir / "r2", RunBytes({"ape", "b", "zebrato"}));
    std::deque<fs::path> runs = {dir / "r0", dir / "r1", dir / "r2"};
    ASSERT_TRUE(MergeRuns(runs, dir));
    // r0 + r1 -> mrg_tmp_0; r2 + mrg_tmp_0 -> mrg_tmp_1.
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs.front(), dir / "mrg_tmp_1");
    EXPECT_EQ(ReadFile(runs.front()), Counted(RunBytes({"ape", "b", "cane", "casa", "zebra", "zebrato"}), 6));
    for (const char* gone : {"r0", "r1", "r2", "mrg_tmp_0"}) EXPECT_FALSE(fs::exists(dir / gone)) << gone;
}

TEST(RunFiles, RunWithoutEndWordIsReportedAsDamaged) {
    test::TempFolder folder;
    const fs::path& dir = folder.path();
    WriteFile(dir / "r0", std::string("casa\0ca", 7));
    WriteFile(dir / "r1", RunBytes({"ape"}));
    std::deque<fs::path> runs = {dir / "r0", dir / "r1"};
    EXPECT_FALSE(MergeRuns(runs, dir));
}

TEST(RunFiles, TemporaryFolderIsRemovedWithItsFiles) {
    fs::path kept;
    {
        TemporaryFolder temporary;
        ASSERT_FALSE(temporary.Path().empty());
        kept = temporary.Path();
        WriteFile(kept / "tmp_tmp_0", RunBytes({"casa"}));
    }
    EXPECT_FALSE(fs::exists(kept));
}

}  // namespace
}  // namespace sillabor
