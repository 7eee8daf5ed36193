// sillabor-cli cerca end to end on a temporary working folder.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

struct CercaRun {
    int code;
    std::string out;
    std::string err;
};

struct CliCercaTest : ::testing::Test {
    test::TempFolder folder;

    void SetUp() override {
        test::WritePreparedDictionary(folder.path(), "Default", {"mare", "male", "rame", "amare", "casa"});
    }

    CercaRun Run(std::vector<std::string> args) {
        std::ostringstream out, err;
        args.insert(args.begin(), {"sillabor-cli", "--cartella", folder.path().string(), "cerca"});
        int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }
};

TEST_F(CliCercaTest, PrintsTheWindowsLinesForTheNormalisedBase) {
    CercaRun r = Run({"M\xC3\xA0re!"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "Anagramma: mare -> rame\n"
              "--------------------------------------------------\n"
              "Scambio: MaRe <-> RaMe\n"
              "--------------------------------------------------\n"
              "Aggiunta: mare -> Amare\n"
              "--------------------------------------------------\n"
              "Cambio: maRe -> maLe\n"
              "--------------------------------------------------\n"
              "Fine Ricerca\n");
    EXPECT_NE(r.err.find("Dizionario caricato e ordinato"), std::string::npos) << r.err;
    // The closing status line is the search's, not the load's.
    EXPECT_NE(r.err.find("\nGenerati "), std::string::npos) << r.err;
}

TEST_F(CliCercaTest, ABaseRefusedOrEmptyStartsNoSearch) {
    CercaRun jokers = Run({"ma*re"});
    EXPECT_EQ(jokers.code, 1);
    EXPECT_EQ(jokers.out, "I Jolly (*) non sono ammessi in questa ricerca\n");
    EXPECT_EQ(jokers.err.find("Carico"), std::string::npos) << jokers.err;

    CercaRun empty = Run({"--", "...!"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("nulla da cercare"), std::string::npos) << empty.err;
}

TEST_F(CliCercaTest, CategoriesNotYetAvailableAndBadOptionsAreUsageErrors) {
    CercaRun later = Run({"--categoria", "3", "mare"});
    EXPECT_EQ(later.code, 2);
    EXPECT_EQ(later.out, "");
    EXPECT_NE(later.err.find("la categoria 3 (lucchetti e cerniere) non \xC3\xA8 ancora disponibile"),
              std::string::npos)
        << later.err;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--categoria", "8", "mare"},
                                                  {"--griglia", "tutto", "mare"},
                                                  {}}) {
        CercaRun r = Run(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace sillabor::cli
