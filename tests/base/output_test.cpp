// The printer: the separator rule, the line buffer and the automatic-saving tee.

#include "base/output.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // A line break or NUL inside a line becomes a blank; the buffer ends at its NUL.
    out.PrintLine(std::string_view("Re\nma\r\0x", 8));
    std::snprintf(out.LineBuffer, sizeof out.LineBuffer, "%s <-> %s", "roma", "amor");
    out.PrintLineBuffer();
    EXPECT_EQ(sink.Lines(), (Lines{kDashes, "uno", kDashes, "", kDashes, "Re ma  x", "roma <-> amor"}));
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

TEST_F(OutputTest, AppendingReportsTheSizeBeforeAndKeepsTheOldText) {
    auto path = folder.path() / "Parole.txt";
    ASSERT_TRUE(out.BeginAutosave(path, true));
    out.PrintLine("uno");
    out.EndAutosave();
    ASSERT_TRUE(out.BeginAutosave(path, true));
    out.PrintLine("due");
    out.EndAutosave();
    Lines lines = sink.Lines();
    EXPECT_EQ(lines[0], "Accodo i risultati a Parole.txt (lungo 0 bytes)");
    EXPECT_EQ(lines[3], "Accodo i risultati a Parole.txt (lungo 33 bytes)");
    EXPECT_EQ(ReadFile(path), "uno\n============================\ndue\n============================\n");
}

TEST_F(OutputTest, AVanishedFolderIsMadeAgainAndAFileThatCannotBeOpenedIsReported) {
    ASSERT_TRUE(out.BeginAutosave(folder.path() / "Salvataggi" / "Cerca.txt", false));
    out.PrintLine("uno");
    out.EndAutosave();
    EXPECT_EQ(ReadFile(folder.path() / "Salvataggi" / "Cerca.txt"), "uno\n============================\n");

    std::filesystem::create_directories(folder.path() / "Parole.txt" / "dentro");
    sink.Reset();
    EXPECT_FALSE(out.BeginAutosave(folder.path() / "Parole.txt", true));
    EXPECT_FALSE(out.IsSaving());
    EXPECT_EQ(sink.Lines(), (Lines{"Errore: impossibile creare il file Salvataggi/Parole.txt: risultati non salvati"}));
}

TEST_F(OutputTest, SaveFileThatFailsOnWriteSaysSoOnceAndPrintingGoesOn) {
    const auto path = folder.path() / "Cerca.txt";
    test::MakeFullDisk(path);
    ASSERT_TRUE(out.BeginAutosave(path, false));
    for (int i = 0; i < 2000; ++i) out.PrintLine("riga " + std::to_string(i));
    out.EndAutosave();
    const Lines lines = sink.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "Errore: impossibile scrivere il file Salvataggi/Cerca.txt: salvataggio interrotto"),
              1);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("riga ", 0) == 0; }),
              2000);
    EXPECT_FALSE(out.IsSaving());
}

}  // namespace
}  // namespace sillabor
