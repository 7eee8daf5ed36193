// sillabor-cli curio: reports by number or caption, the list of reports, the
// mode of "micro", and replays of the random reports with --seme.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

struct CliCurioTest : ::testing::Test {
    test::TempFolder folder;
    void SetUp() override {
        test::WritePreparedDictionary(folder.path(), "Default", {"ad", "da", "ala", "roma", "amor", "mimo", "mora"});
    }
    CliRun Curio(std::vector<std::string> args) {
        args.insert(args.begin(), {"sillabor-cli", "--cartella", folder.path().string()});
        std::ostringstream out, err;
        const int code = RunCli(args, out, err);
        return {code, out.str(), err.str()};
    }
};

TEST_F(CliCurioTest, ListsTheReportsByNumber) {
    CliRun r = Curio({"curio", "elenco"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.starts_with(" 1 conteggi\n 2 + cambi\n 3 rotaz.(26)\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 30);
    EXPECT_NE(r.out.find("\n27 micro 1\n"), std::string::npos);
}

TEST_F(CliCurioTest, ANumberAndACaptionRunTheSameReport) {
    const std::string bifronti = "Bifronti\n" + std::string(50, '-') + "\nad <-> da\namor <-> roma\n";
    for (const char* name : {"23", "bifronti", "BIFRONTI"}) {
        CliRun r = Curio({"curio", name});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, bifronti) << name;
        EXPECT_NE(r.err.find("\nRaccolta info al 100% in "), std::string::npos) << r.err;
    }
}

TEST_F(CliCurioTest, MicroTakesItsModeFromTheCaptionOrTheOption) {
    EXPECT_EQ(Curio({"curio", "micro"}).out.substr(0, 21), "Microenigmistica (1) ");
    EXPECT_EQ(Curio({"curio", "micro 4"}).out.substr(0, 21), "Microenigmistica (4) ");
    CliRun r = Curio({"curio", "27", "--micro-modo", "1"});
    EXPECT_EQ(r.out, "Microenigmistica (2) Parole che costituiscono un mini-gioco\nCambi \n" + std::string(50, '-') +
                         "\nmimo = mi + mo\n");
}

TEST_F(CliCurioTest, TheSameSeedReplaysARandomReport) {
    const CliRun first = Curio({"--seme", "9", "curio", "tutticambi"});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out.substr(0, 27), "Esempi dei cambi possibili\n");
    EXPECT_EQ(Curio({"--seme", "9", "curio", "tutticambi"}).out, first.out);
}

TEST_F(CliCurioTest, UnknownReportsAndMisplacedModesAreUsageErrors) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"curio", "31"}, {"curio", "cambi"}, {"curio", "conteggi", "--micro-modo", "1"},
          {"curio", "micro 2", "--micro-modo", "3"}, {"curio", "micro", "--micro-modo", "5"}, {"curio"}}) {
        CliRun r = Curio(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
    }
    EXPECT_NE(Curio({"curio", "cambi"}).err.find("report sconosciuto: cambi"), std::string::npos);
    // A long or odd name is not repeated as it is.
    EXPECT_NE(Curio({"curio", std::string(500, 'a')}).err.find("report sconosciuto: (500 caratteri)"), std::string::npos);
    EXPECT_NE(Curio({"curio", "ca\x1b[31m"}).err.find("report sconosciuto: (7 caratteri)"), std::string::npos);
}

}  // namespace
}  // namespace sillabor::cli
