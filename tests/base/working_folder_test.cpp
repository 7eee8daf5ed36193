#include "base/working_folder.h"

#include <gtest/gtest.h>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// A temporary machine: an installed share/ folder, a current folder and a home.
struct WorkingFolderTest : ::testing::Test {
    TempFolder temp;
    fs::path installed = temp.path() / "usr/share/sillabor";
    fs::path current = temp.path() / "here";
    fs::path home = temp.path() / "home";

    void SetUp() override {
        WriteFile(installed / "Dizionari/Default/italian.txt", "casa\nmare\n");
        WriteFile(installed / "sillaboraiut.txt", "###AIUTO\n");
        fs::create_directories(current);
    }
    WorkingFolderInputs Inputs(std::string xdg) const {
        WorkingFolderInputs in;
        in.currentFolder = current;
        in.xdgDataHome = std::move(xdg);
        in.home = home.string();
        in.installedData = installed;
        return in;
    }
};

TEST_F(WorkingFolderTest, ChoosesTheNamedThenTheCurrentThenThePerUserFolder) {
    const fs::path xdg = temp.path() / "xdg";
    struct Case {
        const char* what;
        bool chosen;
        bool currentHasDictionaries;
        std::string xdgDataHome;
        fs::path root;
        FolderOrigin origin;
    };
    const Case cases[] = {
        {"--cartella wins over a current folder with dictionaries", true, true, xdg.string(), temp.path() / "chosen",
         FolderOrigin::Chosen},
        {"a current folder with Dizionari/ is used as it is", false, true, xdg.string(), current, FolderOrigin::Current},
        {"else the folder under XDG_DATA_HOME", false, false, xdg.string(), xdg / "sillabor", FolderOrigin::PerUser},
        {"a relative XDG_DATA_HOME is ignored", false, false, "relative/data", home / ".local/share/sillabor",
         FolderOrigin::PerUser},
        {"an unset one means ~/.local/share", false, false, "", home / ".local/share/sillabor", FolderOrigin::PerUser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(current / "Dizionari");
        if (c.currentHasDictionaries) fs::create_directories(current / "Dizionari");
        WorkingFolderInputs in = Inputs(c.xdgDataHome);
        if (c.chosen) in.chosenFolder = temp.path() / "chosen";
        const WorkingFolder folder = ChooseWorkingFolder(in);
        EXPECT_EQ(folder.root, c.root);
        EXPECT_EQ(folder.origin, c.origin);
        // Only a per-user folder is ever seeded.
        EXPECT_EQ(fs::exists(c.root / "Dizionari/Default/italian.txt"), c.origin == FolderOrigin::PerUser);
    }
}

TEST_F(WorkingFolderTest, SeedingAgainChangesNothing) {
    const fs::path root = temp.path() / "mine";
    SeedWorkingFolder(root, installed);
    const fs::path words = root / "Dizionari/Default/italian.txt";
    WriteFile(words, "edited\n");
    WriteFile(root / "Dizionari/Default/j_r_Default", "prepared");
    const auto written = fs::last_write_time(words);

    EXPECT_TRUE(SeedWorkingFolder(root, installed).empty());
    EXPECT_EQ(ReadFile(words), "edited\n");
    EXPECT_EQ(fs::last_write_time(words), written);
    EXPECT_EQ(ReadFile(root / "Dizionari/Default/j_r_Default"), "prepared");

    // A Default in another case is the same dictionary to the loader.
    const fs::path other = temp.path() / "other";
    fs::create_directories(other / "Dizionari/default");
    EXPECT_TRUE(SeedWorkingFolder(other, installed).empty());
    EXPECT_FALSE(fs::exists(other / "Dizionari/Default"));
}

TEST_F(WorkingFolderTest, SeedingWithoutAnInstalledWordListSaysSoAndCreatesNothing) {
    const fs::path root = temp.path() / "mine";
    const std::vector<std::string> messages = SeedWorkingFolder(root, temp.path() / "nowhere");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Non trovo il dizionario Default installato", 0), 0u) << messages[0];
    EXPECT_FALSE(fs::exists(root / "Dizionari"));
}

TEST_F(WorkingFolderTest, HelpFileIsTheFoldersOwnElseTheInstalledOne) {
    EXPECT_EQ(HelpFilePath(current, installed), installed / "sillaboraiut.txt");
    EXPECT_EQ(HelpFilePath(current, temp.path() / "nowhere"), current / "sillaboraiut.txt");
    WriteFile(current / "sillaboraiut.txt", "###MIO\n");
    EXPECT_EQ(HelpFilePath(current, installed), current / "sillaboraiut.txt");
}

}  // namespace
}  // namespace sillabor
