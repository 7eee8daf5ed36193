// sillabor-cli end to end on a temporary working folder.

#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using test::WritePreparedDictionary;

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun RunCliWith(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), "sillabor-cli");
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

struct CliTest : ::testing::Test {
    TempFolder folder;
    std::string dir() const { return folder.path().string(); }
    void SetUp() override {
        WritePreparedDictionary(folder.path(), "Default", {"casa", "cane", "rosa", "roma", "amor"});
    }
};

TEST_F(CliTest, LoadPrintsTheLoadLinesOnStdoutAndTheStatusOnStderr) {
    CliRun r = RunCliWith({"--cartella", dir(), "dizio", "carica"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "\nAttendere : Carico il Dizionario Default\nCaricate 5 parole. Le ordino....\n"
              "Dizionario caricato e ordinato\nPer istruzioni: bottone <?>  o file <leggimi.txt>\n");
    EXPECT_EQ(r.err.rfind("Caricate 5 parole ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" sec\n"), std::string::npos);
}

TEST_F(CliTest, ListsTheDictionaries) {
    WritePreparedDictionary(folder.path(), "Altro", {"uno", "due", "tre"});
    CliRun r = RunCliWith({"--cartella", dir(), "dizio", "elenco"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Altro\nDefault\n");
}

TEST_F(CliTest, AFallBackToDefaultIsAnError) {
    WritePreparedDictionary(folder.path(), "Poco", {"uno", "due"});
    CliRun r = RunCliWith({"--cartella", dir(), "--dizionario", "Poco", "dizio", "carica"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("il dizionario di Default\n"), std::string::npos);
    EXPECT_NE(r.out.find("Dizionario caricato e ordinato"), std::string::npos);
}

TEST_F(CliTest, NoDictionaryFolderIsAnError) {
    TempFolder empty;
    CliRun r = RunCliWith({"--cartella", empty.path().string(), "dizio", "carica"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
              "ERRORE: Cartella 'Dizionari' non trovata!\nERRORE FATALE : IMPOSSIBILE PROSEGUIRE !\n");
}

TEST_F(CliTest, BadUsageExitsWithTwoAndAnItalianMessage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"boh"}, {"dizio"}, {"dizio", "esporta", "--ordine", "caso"},
          {"--seme", "x", "dizio", "carica"}, {"dizio", "carica", "--nonesiste"}}) {
        CliRun r = RunCliWith(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find("Usa --help"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(CliTest, HelpIsItalianForTheProgramAndItsCommands) {
    CliRun top = RunCliWith({"--help"});
    EXPECT_EQ(top.code, 0);
    EXPECT_NE(top.out.find("--cartella"), std::string::npos);
    EXPECT_NE(top.out.find("dizio"), std::string::npos);
    CliRun sub = RunCliWith({"dizio", "esporta", "--help"});
    EXPECT_EQ(sub.code, 0);
    EXPECT_NE(sub.out.find("--ordine"), std::string::npos);
}

TEST_F(CliTest, ExportsInRhymeOrderAfterTheLoad) {
    CliRun r = RunCliWith({"--cartella", dir(), "dizio", "esporta", "--ordine", "rime"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Inverto le parole\n"), std::string::npos);
    // By their reversed forms: amor, asac, asor, enac, roma.
    EXPECT_EQ(ReadFile(folder.path() / "Salvataggi" / "Dizionario.txt"), "roma\ncasa\nrosa\ncane\namor\n");
}

TEST_F(CliTest, BuildsFromSourcesWithTheChosenOptions) {
    WriteFile(folder.path() / "Dizionari" / "Mio" / "testo.txt", "L'amico dell'orso \xC3\xA8 qui, con la citt\xC3\xA0.\n");
    CliRun r = RunCliWith({"--cartella", dir(), "--dizionario", "Mio", "dizio", "crea", "--apostrofo"});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("Attendere : Carico il Dizionario Mio"), std::string::npos);
    CliRun list = RunCliWith({"--cartella", dir(), "--dizionario", "Mio", "dizio", "esporta"});
    EXPECT_EQ(ReadFile(folder.path() / "Salvataggi" / "Dizionario.txt"),
              "amico\ncitta\ncon\ne\nla\norso\nqui\n");
}

}  // namespace
}  // namespace sillabor::cli
