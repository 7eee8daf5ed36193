#include "base/help_file.h"

#include <gtest/gtest.h>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using test::CollectingSink;
using test::TempFolder;
using test::WriteFile;

struct HelpFixture : ::testing::Test {
    TempFolder folder;
    CollectingSink sink;
    Output out;
    std::filesystem::path file = folder.path() / kHelpFileName;

    HelpFixture() { out.SetSink(&sink); }
};

TEST_F(HelpFixture, PrintsOnlyTheFirstMatchingSectionWithoutItsMarkers) {
    WriteFile(file,
              "intro ignored\r\n"
              "###CERCA2 zeppe\r\n"
              "first line\r\n"
              "\r\n"
              "  indented\r\n"
              "**# end\r\n"
              "outside\r\n"
              "###CERCA2\r\n"
              "second copy\r\n"
              "**#\r\n");
    EXPECT_TRUE(PrintHelpSection(out, file, "CERCA2"));
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"first line", "", "  indented"}));
}

TEST_F(HelpFixture, KeyIsAPrefixOfTheMarkerAndAMissingKeyPrintsNothing) {
    WriteFile(file, "###CERCA1\nuno\n**#\n###CERCA12\ndodici\n**#\n");
    EXPECT_TRUE(PrintHelpSection(out, file, "CERCA"));
    EXPECT_EQ(sink.Lines(), std::vector<std::string>{"uno"});
    sink.Reset();
    EXPECT_TRUE(PrintHelpSection(out, file, "CURIO"));
    EXPECT_TRUE(sink.Lines().empty());
}

TEST_F(HelpFixture, UnclosedSectionRunsToTheEndOfTheFile) {
    WriteFile(file, "###DIZIO\nuna\ndue");
    EXPECT_TRUE(PrintHelpSection(out, file, "DIZIO"));
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"una", "due"}));
}

TEST_F(HelpFixture, LoneCarriageReturnsEndLinesAndANulEndsWhatALineShows) {
    WriteFile(file, std::string("###DIZIO\runa\rdue\0nascosto\r\rtre\r**#\rfuori", 40));
    EXPECT_TRUE(PrintHelpSection(out, file, "DIZIO"));
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"una", "due", "", "tre"}));
}

TEST_F(HelpFixture, AccentedLettersSurviveInEitherEncoding) {
    // UTF-8 "città" and Windows-1252 "perché": both end as Windows-1252 lines.
    WriteFile(file, "###A\ncitt\xC3\xA0\n**#\n");
    EXPECT_TRUE(PrintHelpSection(out, file, "A"));
    WriteFile(file, "###A\nperch\xE9\t\r\n**#\n");
    EXPECT_TRUE(PrintHelpSection(out, file, "A"));
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"citt\xE0", "perch\xE9"}));
}

TEST_F(HelpFixture, LongLinesArePrintedInPieces) {
    const std::string longLine(600, 'x');
    WriteFile(file, "###A\n" + longLine + "\n**#\n");
    EXPECT_TRUE(PrintHelpSection(out, file, "A"));
    auto lines = sink.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 249u);
    EXPECT_EQ(lines[1].size(), 249u);
    EXPECT_EQ(lines[0] + lines[1] + lines[2], longLine);
}

TEST_F(HelpFixture, MissingFilePrintsTheErrorAndFails) {
    EXPECT_FALSE(PrintHelpSection(out, folder.path() / "nope.txt", "A"));
    EXPECT_EQ(sink.Lines(), std::vector<std::string>{"Impossibile trovare il file di help (sillaboraiut.txt)"});
}

TEST(ShippedHelpFile, HasASectionForEveryPageAndTopic) {
    const std::filesystem::path file = std::filesystem::path(SILLABOR_SOURCE_DIR) / kHelpFileName;
    for (const char* key : {"ANAGRAMMA", "PAROLE", "CERCA0", "CERCA1", "CERCA2", "CERCA3", "CERCA4", "CERCA5", "CERCA6",
                            "CERCA7", "CREA", "SpiegaGiochi", "METAGRAMMI", "CRITTA", "DECRITTA", "CURIO", "CERNITA",
                            "DIZIO", "SALVATAGGI"}) {
        CollectingSink sink;
        Output out;
        out.SetSink(&sink);
        ASSERT_TRUE(PrintHelpSection(out, file, key));
        const auto lines = sink.Lines();
        EXPECT_GE(lines.size(), 5u) << key;
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), 90u) << key << ": " << line;  // fits the output area unwrapped
            EXPECT_NE(line.substr(0, 3), "###") << key << ": a section is not closed";
        }
    }
}

}  // namespace
}  // namespace sillabor
