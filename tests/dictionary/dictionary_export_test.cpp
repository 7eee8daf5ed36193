#include "dictionary/dictionary_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

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

TEST_F(ExportTest, AlphabeticalOrderRestoresAShuffledArrayFirst) {
    Dictionary& d = f.app->dict;
    std::reverse(d.Words.begin() + 1, d.Words.begin() + d.WordCount);
    d.NotAlphabetical = true;
    f.app->Get<DizioGame>().exportOrder = kExportAlphabetical;
    EXPECT_EQ(ExportDictionary(Job(), f.app->Get<DizioGame>().exportOrder), 0);
    EXPECT_EQ(f.sink.Lines(), (Lines{"Scrivo il file Salvataggi/Dizionario.txt", "Fatto !"}));
    EXPECT_EQ(Exported(), "a\nape\nbo\ncane\ncasa\nrosa\ntasca\nzebra\n");
    EXPECT_EQ(f.app->state.StatusMode.load(), kStatusExporting);
    ExpectByteOrder();
}

TEST_F(ExportTest, LengthOrderThenBackToByteOrder) {
    f.app->Get<DizioGame>().exportOrder = kExportByLength;
    EXPECT_EQ(ExportDictionary(Job(), f.app->Get<DizioGame>().exportOrder), 0);
    EXPECT_EQ(f.sink.Lines(), (Lines{"Ordino le parole per lunghezza", "Scrivo il file Salvataggi/Dizionario.txt",
                                     "Ri-ordino le parole", "Fatto !"}));
    EXPECT_EQ(Exported(), "a\nbo\nape\ncane\ncasa\nrosa\ntasca\nzebra\n");
    ExpectByteOrder();
}

TEST_F(ExportTest, RhymeOrderSortsByReversedWordsAndLeavesWordsIntact) {
    f.app->Get<DizioGame>().exportOrder = kExportRhymes;
    EXPECT_EQ(ExportDictionary(Job(), f.app->Get<DizioGame>().exportOrder), 0);
    EXPECT_EQ(f.sink.Lines(), (Lines{"Inverto le parole", "Ordino le parole", "Re-inverto le parole",
                                     "Scrivo il file Salvataggi/Dizionario.txt", "Ri-ordino le parole", "Fatto !"}));
    // Reversed: a, acsat, arbez, asac, asor, enac, epa, ob.
    EXPECT_EQ(Exported(), "a\ntasca\nzebra\ncasa\nrosa\ncane\nape\nbo\n");
    ExpectByteOrder();
}

TEST_F(ExportTest, UnwritableFileIsReportedAndOrderStillRestored) {
    // A plain file where the folder should be: nothing can be written there.
    test::WriteFile(f.app->SavesDir(), "non una cartella");
    f.app->Get<DizioGame>().exportOrder = kExportRhymes;
    EXPECT_EQ(ExportDictionary(Job(), f.app->Get<DizioGame>().exportOrder), 1);
    Lines lines = f.sink.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "Scrivo il file Salvataggi/Dizionario.txt");
    EXPECT_EQ(lines[4], "Errore: impossibile scrivere il file Salvataggi/Dizionario.txt");
    EXPECT_EQ(lines[5], "Ri-ordino le parole");
    ExpectByteOrder();
}

}  // namespace
}  // namespace sillabor
