// The printer: the separator rule, the line buffer and the automatic-saving tee
// (the window's tests add appending, a full disk and a removed folder).

#include "base/output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using test::CollectingSink;
using test::ReadFile;
using test::TempFolder;
using Lines = std::vector<std::string>;

const std::string kDashes(50, '-');

struct OutputTest : ::testing::Test {
    TempFolder folder;
    CollectingSink sink;
    Output out;
    OutputTest() { out.SetSink(&sink); }
};

TEST_F(OutputTest, NoTwoSeparatorsInARowAndEachLineWhole) {
    out.PrintSeparator();
    out.PrintSeparator();
    out.PrintLine("uno");
    out.PrintSeparator();
    out.PrintSeparator();
    out.PrintString("");
    out.PrintSeparator();
    // A line break or NUL inside a line becomes a blank; a formatted line is cut at the buffer's size.
    out.PrintLine(std::string_view("Re\nma\r\0x", 8));
    out.PrintFormatted("%s <-> %s", "roma", "amor");
    out.PrintFormatted("%s", std::string(2000, 'a').c_str());
    EXPECT_EQ(sink.Lines(), (Lines{kDashes, "uno", kDashes, "", kDashes, "Re ma  x", "roma <-> amor",
                                   std::string(Output::kLineBufferSize - 1, 'a')}));
}

TEST_F(OutputTest, SavingWritesThePrintedLinesAndTheClosingLineButNotTheNotice) {
    auto path = folder.path() / "Parole.txt";
    ASSERT_TRUE(out.BeginAutosave(path, false));
    out.PrintLine("citt\xE0");
    out.PrintSeparator();
    out.PrintLine("RICERCA INTERROTTA");
    out.EndAutosave();
    out.PrintLine("dopo");
    EXPECT_EQ(sink.Lines(),
              (Lines{"Salvo i risultati in Parole.txt", kDashes, "citt\xE0", kDashes, "RICERCA INTERROTTA", "dopo"}));
    // The file gets what followed the notice, in UTF-8.
    EXPECT_EQ(ReadFile(path), "citt\xC3\xA0\n" + kDashes + "\nRICERCA INTERROTTA\n============================\n");
    EXPECT_EQ(sink.Clears(), 1);
}

TEST_F(OutputTest, ABlockOfLinesArrivesAsItsLinesInTheViewAndTheFile) {
    auto path = folder.path() / "Anagrammi.txt";
    ASSERT_TRUE(out.BeginAutosave(path, false));
    out.PrintSeparator();
    out.PrintLines("roma \ncitt\xE0 \n");
    out.PrintSeparator();
    out.EndAutosave();
    EXPECT_EQ(sink.Lines(), (Lines{"Salvo i risultati in Anagrammi.txt", kDashes, "roma ", "citt\xE0 ", kDashes}));
    EXPECT_EQ(ReadFile(path), "roma \ncitt\xC3\xA0 \n" + kDashes + "\n============================\n");
}

TEST_F(OutputTest, AFileThatCannotBeOpenedIsReported) {
    std::filesystem::create_directories(folder.path() / "Parole.txt" / "dentro");
    EXPECT_FALSE(out.BeginAutosave(folder.path() / "Parole.txt", true));
    EXPECT_FALSE(out.IsSaving());
    EXPECT_EQ(sink.Lines(), (Lines{"Errore: impossibile creare il file Salvataggi/Parole.txt: risultati non salvati"}));
}

}  // namespace
}  // namespace sillabor
