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

TEST_F(HelpFixture, PrintsTheSectionsLinesWithoutItsMarkers) {
    struct Case {
        const char* what;
        std::string text;
        const char* key;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"only the first matching section",
         "intro ignored\r\n###CERCA2 zeppe\r\nfirst line\r\n\r\n  indented\r\n**# end\r\noutside\r\n"
         "###CERCA2\r\nsecond copy\r\n**#\r\n",
         "CERCA2", {"first line", "", "  indented"}},
        {"the key is a prefix of the marker", "###CERCA1\nuno\n**#\n###CERCA12\ndodici\n**#\n", "CERCA", {"uno"}},
        {"a missing key prints nothing", "###CERCA1\nuno\n**#\n", "CURIO", {}},
        {"an unclosed section runs to the end", "###DIZIO\nuna\ndue", "DIZIO", {"una", "due"}},
        {"lone carriage returns end lines, a NUL ends what a line shows",
         std::string("###DIZIO\runa\rdue\0nascosto\r\rtre\r**#\rfuori", 40), "DIZIO", {"una", "due", "", "tre"}},
        // UTF-8 "città" and Windows-1252 "perché": both end as Windows-1252 lines.
        {"UTF-8", "###A\ncitt\xC3\xA0\n**#\n", "A", {"citt\xE0"}},
        {"Windows-1252", "###A\nperch\xE9\t\r\n**#\n", "A", {"perch\xE9"}},
        {"long lines in pieces", "###A\n" + std::string(600, 'x') + "\n**#\n", "A",
         {std::string(249, 'x'), std::string(249, 'x'), std::string(102, 'x')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(file, c.text);
        sink.Reset();
        EXPECT_TRUE(PrintHelpSection(out, file, c.key));
        EXPECT_EQ(sink.Lines(), c.lines);
    }
}

TEST_F(HelpFixture, TheShippedFileHasASectionForEveryPageAndTopic) {
    file = std::filesystem::path(SILLABOR_SOURCE_DIR) / kHelpFileName;
    for (const char* key : {"ANAGRAMMA", "PAROLE", "CERCA0", "CERCA1", "CERCA2", "CERCA3", "CERCA4", "CERCA5", "CERCA6",
                            "CERCA7", "CREA", "SpiegaGiochi", "METAGRAMMI", "CRITTA", "DECRITTA", "CURIO", "CERNITA",
                            "DIZIO", "SALVATAGGI"}) {
        sink.Reset();
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
