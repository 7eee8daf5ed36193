// The "Dizio" page's requests: the dictionary they name, the build's options
// and the export's order reach the run.

#include <gtest/gtest.h>

#include "app/run_game.h"
#include "dizio/dizio_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

struct DizioGameTest : ::testing::Test {
    int Run(const DizioRequest& request) { return RunGame(*f.app, f.app->Get<DizioGame>().Job(request)); }
    bool Has(const char* word) { return f.app->dict.FindWord(word) != 0; }

    test::Fixture f;
};

TEST_F(DizioGameTest, BuildAndLoadRequestsNameTheirDictionaryAndSkipWhatTheyAsk) {
    f.LoadDefault({"alfa", "beta", "gamma", "delta"});
    test::WriteFile(f.folder.path() / "Dizionari" / "Prova" / "testo.txt", "Roma casa dell'orso");
    DizioRequest build{kDictionaryBuildAndLoad, "Prova"};
    build.skipCapitalised = true;
    ASSERT_EQ(Run(build), 0);
    EXPECT_EQ(f.app->dict.DictionaryName, "Prova");
    EXPECT_TRUE(Has("casa") && Has("dell") && Has("orso"));
    EXPECT_FALSE(Has("roma"));

    build.skipCapitalised = false;
    build.skipBeforeApostrophe = true;
    ASSERT_EQ(Run(build), 0);
    EXPECT_TRUE(Has("roma") && Has("orso"));
    EXPECT_FALSE(Has("dell"));

    ASSERT_EQ(Run({kDictionaryLoad, "Default"}), 0);
    EXPECT_TRUE(Has("alfa"));
    // A dictionary that is not there: Default is loaded and the run fails.
    EXPECT_EQ(Run({kDictionaryLoad, "Nessuno"}), 1);
    EXPECT_EQ(f.app->dict.DictionaryName, "Default");
    EXPECT_TRUE(Has("alfa"));
}

TEST_F(DizioGameTest, AnExportWritesTheLoadedDictionaryInTheRequestedOrder) {
    f.LoadDefault({"alfa", "beta", "gamma", "zz"});
    DizioRequest request{kDictionaryExport, "Altro"};
    request.exportOrder = kExportByLength;
    ASSERT_EQ(Run(request), 0);
    EXPECT_EQ(f.app->dict.DictionaryName, "Default");
    EXPECT_EQ(test::ReadFile(f.app->SavesDir() / "Dizionario.txt").substr(0, 2), "zz");
}

}  // namespace
}  // namespace sillabor
