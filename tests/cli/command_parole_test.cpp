// sillabor-cli parole on a temporary working folder.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

struct ParoleRun {
    int code;
    std::string out;
    std::string err;
};

class ParoleCommand : public ::testing::Test {
protected:
    void SetUp() override {
        test::WritePreparedDictionary(folder.path(), "Default", {"casa", "cane", "rosa", "roma", "amor"});
    }
    ParoleRun Run(std::vector<std::string> options) {
        std::vector<std::string> args = {"sillabor-cli", "--cartella", folder.path().string(), "parole"};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream out, err;
        int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }
    test::TempFolder folder;
};

const std::string kClosing = "--------------------------------------------------\nFine Ricerca\n";

TEST_F(ParoleCommand, DefaultsAndOptionsFillThePage) {
    ParoleRun r = Run({});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "amor\ncane\ncasa\nroma\nrosa\n" + kClosing);
    EXPECT_NE(r.err.find("Generati 5 in "), std::string::npos) << r.err;

    r = Run({"--pattern", "r*", "--pattern2", "|*|, e |r1", "--modo2", "soddisfa", "--o", "--max", "4",
             "--obbligati", "m", "--proibiti", "ro a\xC3\xA0"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "amor -> roma\n" + kClosing);

    r = Run({"--pattern", "*a", "--modo1", "non", "--solo", "2\xC3\xA0mor"});
    EXPECT_EQ(r.out, "amor\n" + kClosing);
}

TEST_F(ParoleCommand, RefusedInputPrintsItsLinesAndExitsWithOne) {
    ParoleRun r = Run({"--pattern", "a0"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "ERRORE nel primo pattern\n" + kClosing);
    r = Run({"--min", "5", "--max", "4"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(Run({"--modo1", "forse"}).code, 2);
}

}  // namespace
}  // namespace sillabor::cli
