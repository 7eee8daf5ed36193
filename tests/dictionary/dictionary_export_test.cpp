#include "dictionary/dictionary_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override { f.LoadDefault({"cane", "casa", "rosa", "ape", "zebra", "a", "tasca", "bo"}); }

    std::string Exported() { return test::ReadFile(f.app->SavesDir() / "Dizionario.txt"); }

    // Every word is found again, i.e. the slots are back in byte order.
    void ExpectByteOrder() {
        const Dictionary& d = f.app->dict;
        EXPECT_FALSE(d.NotAlphabetical);
        for (int32_t slot = 2; slot < d.WordCount; ++slot)
            EXPECT_LT(std::strcmp(d.Words[slot - 1], d.Words[slot]), 0);
        for (const char* w : {"cane", "casa", "rosa", "ape", "zebra", "a", "tasca", "bo"}) EXPECT_NE(d.FindWord(w), 0) << w;
    }

    test::Fixture f;
    DictionaryJob Job() { return f.Job(); }
};

// Each order writes its file and leaves the slots in byte order; the
// alphabetical one first restores a shuffled array.
TEST_F(ExportTest, EachOrderWritesItsFileAndRestoresByteOrder) {
    const std::string written = "Scrivo il file Salvataggi/Dizionario.txt";
    const std::tuple<int, Lines, std::string> cases[] = {
        {kExportAlphabetical, {written, "Fatto !"}, "a\nape\nbo\ncane\ncasa\nrosa\ntasca\nzebra\n"},
        {kExportByLength, {"Ordino le parole per lunghezza", written, "Ri-ordino le parole", "Fatto !"},
         "a\nbo\nape\ncane\ncasa\nrosa\ntasca\nzebra\n"},
        // Reversed: a, acsat, arbez, asac, asor, enac, epa, ob.
        {kExportRhymes,
         {"Inverto le parole", "Ordino le parole", "Re-inverto le parole", written, "Ri-ordino le parole", "Fatto !"},
         "a\ntasca\nzebra\ncasa\nrosa\ncane\nape\nbo\n"},
    };
    for (const auto& [order, lines, text] : cases) {
        if (order == kExportAlphabetical) {
            Dictionary& d = f.app->dict;
            std::reverse(d.Words.begin() + 1, d.Words.begin() + d.WordCount);
            d.NotAlphabetical = true;
        }
        f.sink.Reset();
        EXPECT_EQ(ExportDictionary(Job(), order), 0);
        EXPECT_EQ(f.sink.Lines(), lines) << order;
        EXPECT_EQ(Exported(), text) << order;
        EXPECT_EQ(f.app->state.StatusMode.load(), kStatusExporting);
        ExpectByteOrder();
    }
}

TEST_F(ExportTest, UnwritableFileIsReportedAndOrderStillRestored) {
    // A plain file where the folder should be: nothing can be written there.
    test::WriteFile(f.app->SavesDir(), "non una cartella");
    EXPECT_EQ(ExportDictionary(Job(), kExportRhymes), 1);
    Lines lines = f.sink.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "Scrivo il file Salvataggi/Dizionario.txt");
    EXPECT_EQ(lines[4], "Errore: impossibile scrivere il file Salvataggi/Dizionario.txt");
    EXPECT_EQ(lines[5], "Ri-ordino le parole");
    ExpectByteOrder();
}

}  // namespace
}  // namespace sillabor
