// sillabor-cli end to end on a temporary working folder: the dictionary
// commands, "parole", "cerca", "metagr", "cern", "decrit" and "trova", and the
// time limit of a search.

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
using Args = std::vector<std::string>;

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun RunCliWith(Args args) {
    std::ostringstream out, err;
    args.insert(args.begin(), "sillabor-cli");
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

struct CliTest : ::testing::Test {
    TempFolder folder;
    std::string dir() const { return folder.path().string(); }
    void SetUp() override { WritePreparedDictionary(folder.path(), "Default", Words()); }
    virtual Args Words() const { return {"casa", "cane", "rosa", "roma", "amor"}; }
    // Runs a command on the working folder.
    CliRun Command(const char* name, Args options) {
        options.insert(options.begin(), {"--cartella", dir(), name});
        return RunCliWith(options);
    }
    CliRun Parole(Args options) { return Command("parole", std::move(options)); }
    CliRun Cerca(Args options) { return Command("cerca", std::move(options)); }
    CliRun Trova(Args options) { return Command("trova", std::move(options)); }
};

struct CliTrovaTest : CliTest {
    Args Words() const override { return {"cane", "pane", "cena", "rapa", "para", "arco", "cosa", "coso", "arsa"}; }
};

struct CliMetagrTest : CliTest {
    Args Words() const override { return {"cane", "care", "mare", "pane", "rame"}; }
};

struct CliCercaTest : CliTest {
    Args Words() const override { return {"mare", "male", "rame", "amare", "casa"}; }
};

const std::string kClosing = "--------------------------------------------------\nFine Ricerca\n";

TEST_F(CliTest, LoadPrintsTheLoadLinesOnStdoutAndTheStatusOnStderr) {
    CliRun r = Command("dizio", {"carica"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "\nAttendere : Carico il Dizionario Default\nCaricate 5 parole. Le ordino....\n"
              "Dizionario caricato e ordinato\nPer istruzioni: bottone <?>  o file <leggimi.txt>\n");
    EXPECT_EQ(r.err.rfind("Caricate 5 parole ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" sec\n"), std::string::npos);
}

TEST_F(CliTest, ListsTheDictionaries) {
    WritePreparedDictionary(folder.path(), "Altro", {"uno", "due", "tre"});
    CliRun r = Command("dizio", {"elenco"});
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
    EXPECT_EQ(r.out, "ERRORE: Cartella 'Dizionari' non trovata!\nERRORE FATALE : IMPOSSIBILE PROSEGUIRE !\n");
}

TEST_F(CliTest, BadUsageExitsWithTwoAndAnItalianMessage) {
    for (const Args& args : {Args{}, {"boh"}, {"dizio"}, {"dizio", "esporta", "--ordine", "caso"},
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
    CliRun r = Command("dizio", {"esporta", "--ordine", "rime"});
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
    RunCliWith({"--cartella", dir(), "--dizionario", "Mio", "dizio", "esporta"});
    EXPECT_EQ(ReadFile(folder.path() / "Salvataggi" / "Dizionario.txt"),
              "amico\ncitta\ncon\ne\nla\norso\nqui\n");
}

TEST_F(CliTest, ParoleDefaultsAndOptionsFillThePage) {
    CliRun r = Parole({});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "amor\ncane\ncasa\nroma\nrosa\n" + kClosing);
    EXPECT_NE(r.err.find("Generati 5 in "), std::string::npos) << r.err;

    r = Parole({"--pattern", "r*", "--pattern2", "|*|, e |r1", "--modo2", "soddisfa", "--o", "--max", "4",
                "--obbligati", "m", "--proibiti", "ro a\xC3\xA0"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "amor -> roma\n" + kClosing);

    r = Parole({"--pattern", "*a", "--modo1", "non", "--solo", "2\xC3\xA0mor"});
    EXPECT_EQ(r.out, "amor\n" + kClosing);
}

TEST_F(CliTest, ParoleRefusedInputPrintsItsLinesAndExitsWithOne) {
    CliRun r = Parole({"--pattern", "a0"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "ERRORE nel primo pattern\n" + kClosing);
    r = Parole({"--min", "5", "--max", "4"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(Parole({"--modo1", "forse"}).code, 2);
}

TEST_F(CliCercaTest, PrintsTheWindowsLinesForTheNormalisedBase) {
    CliRun r = Cerca({"M\xC3\xA0re!"});
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
    CliRun jokers = Cerca({"ma*re"});
    EXPECT_EQ(jokers.code, 1);
    EXPECT_EQ(jokers.out, "I Jolly (*) non sono ammessi in questa ricerca\n");
    EXPECT_EQ(jokers.err.find("Carico"), std::string::npos) << jokers.err;

    CliRun empty = Cerca({"--", "...!"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("nulla da cercare"), std::string::npos) << empty.err;
}

TEST_F(CliCercaTest, TheGridOptionsReachTheSearchAndASeedReplaysTheArrangement) {
    auto arrange = [&](const char* seed) {
        return RunCliWith({"--cartella", dir(), "--seme", seed, "cerca", "--categoria", "5", "--griglia", "entrambi",
                           "--no-diag", "amarecasamalexyz"});
    };
    CliRun first = arrange("3");
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(arrange("3").out, first.out);
    // The arranged grid's table, a blank line, then the words of that grid.
    EXPECT_EQ(first.out.rfind("-----------------\n| ", 0), 0u) << first.out;
    EXPECT_NE(first.out.find("\n \nHo trovato "), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("[ 5] amare\n"), std::string::npos) << first.out;

    CliRun jokers = Cerca({"--categoria", "5", "--riuso", "ab*"});
    EXPECT_EQ(jokers.code, 1);
    EXPECT_EQ(jokers.out, "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili\n");
}

TEST_F(CliCercaTest, BadOptionsAreUsageErrors) {
    // A base longer than the window's field: 80 characters, 300 for the grid.
    EXPECT_EQ(Cerca({"--categoria", "5", std::string(300, 'a')}).code, 0);
    const std::string a81(81, 'a'), a301(301, 'a');
    for (const Args& args : {Args{"--categoria", "8", "mare"}, {"--griglia", "tutto", "mare"}, {},
                             {"--categoria", "6", a81}, {"--categoria", "5", a301}}) {
        CliRun r = Cerca(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliMetagrTest, PrintsTheWindowsLinesForTheNormalisedWords) {
    CliRun r = Command("metagr", {"C\xC3\xA0ne", "MARE!"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, " 1 cane\n 2 care\n 3 mare\n  \n" + kClosing.substr(0, 51) + "F I N E\n");
    EXPECT_NE(r.err.find("\nGenerati 1 in "), std::string::npos) << r.err;

    r = Command("metagr", {"mare", "rame", "--metanagramma", "--aggiunta-scarto", "--lung-min", "2"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Le due parole sono una l'anagramma dell'altra !\n");
    r = Command("metagr", {"mare", "mare"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Le due parole sono uguali !\n");
}

TEST_F(CliMetagrTest, WordsLongerThanTheFieldsAndBadLengthsAreUsageErrors) {
    for (const Args& args : {Args{"precipitevolissimevolmente", "mare"}, Args{"cane", "mare", "--lung-min", "7"},
                             Args{"cane"}}) {
        CliRun r = Command("metagr", args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

struct CliCernTest : CliTest {
    Args Words() const override { return {"mare", "rame", "mareee", "rosa", "casa"}; }
};

TEST_F(CliCernTest, PrintsTheSelectionAndItsWordsOrTheCompletion) {
    CliRun r = Command("cern", {"Ros\xC3\xA0 tt"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "cernOut: rosa\nrosa \n");
    EXPECT_EQ(r.err.find("Trovati"), std::string::npos) << r.err;

    r = Command("cern", {"mar", "--goal", "e"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "mareee [mare rame] \n");
    EXPECT_NE(r.err.find("Trovati 3 in "), std::string::npos) << r.err;

    r = Command("cern", {"mar", "--goal", "ee"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Il risultato (goal) non pu\xC3\xB2 contenere lettere doppie!\n");
}

struct CliDecritTest : CliTest {
    Args Words() const override { return {"casa", "cosa", "rosa", "hal", "ibm", "io"}; }
    CliRun Decrit(Args options) { return Command("decrit", std::move(options)); }
};

TEST_F(CliDecritTest, SolvesWithTheRewrittenFieldOnStderr) {
    CliRun r = Decrit({"risolvi", "\xC3\x80" "b\n\ncdE,"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "io hal \n--------------------------------------------------\n");
    EXPECT_NE(r.err.find("\n# ab\n# cde\nGenerati 1 in "), std::string::npos) << r.err;

    WriteFile(folder.path() / "cifrato.txt", "1 2 3 2\r\n");
    r = Decrit({"risolvi", "--file", (folder.path() / "cifrato.txt").string()});
    EXPECT_EQ(r.out, "casa \n--------------------------------------------------\n");
    EXPECT_NE(r.err.find("# 1 2 3 2\n"), std::string::npos) << r.err;

    r = Decrit({"risolvi", "1 27"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Errore :\nPuoi usare solo i numeri da 1 a 26!\n");
}

TEST_F(CliDecritTest, EnciphersThroughTheBoxesAndTheButtons) {
    const std::string rotated = "bcdefghijklmnopqrstuvwxyza";
    CliRun r = Decrit({"critta", "Ciao,\nMondo!", "--caselle", rotated});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Djbp,\nNpoep!\n");
    r = Decrit({"critta", "ciao ciao", "--caselle", rotated, "--bottone", "ruota", "--bottone", "inverti", "--numeri2"});
    EXPECT_EQ(r.out, "1 7 25 13 - 1 7 25 13\n");
    EXPECT_EQ(Decrit({"critta", "ciao ciao", "--caselle", rotated, "--numeri1"}).out, "1 2 3 4 - 1 2 3 4\n");
    EXPECT_EQ(Decrit({"critta", "zac", "--caselle", "-" + rotated.substr(1), "--bottone", "specchio"}).out, " ay\n");
}

TEST_F(CliDecritTest, PairsAndBadBoxes) {
    WriteFile(folder.path() / "lungo.txt", std::string(5000, 'a'));
    CliRun r = Decrit({"coppie", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "ruota"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "hal -> ibm\n");
    EXPECT_NE(r.err.find("Trovate 1 in "), std::string::npos) << r.err;
    for (const Args& args : {Args{"coppie", "--caselle", "abc"}, {"coppie", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXY1"},
                             {"critta", "x", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "inverti"},
                             {"critta", "x", "--caselle", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "gira"},
                             {"risolvi"}, {"risolvi", "--file", "/nessun/file"},
                             {"risolvi", "--file", folder.path().string()},
                             {"risolvi", "--file", (folder.path() / "lungo.txt").string()}}) {
        CliRun bad = Decrit(args);
        EXPECT_EQ(bad.code, 2) << bad.err;
        EXPECT_EQ(bad.out, "");
    }
}

const std::string kSeparator = "--------------------------------------------------\n";

TEST_F(CliTrovaTest, FillsThePageFromTheOptionsAndPrintsTheWindowsLines) {
    CliRun r = Trova({"cambi", "--lettere", "C", "p", "--max", "4"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Cambi  C <-> P (lung. 3 - 4)\n" + kSeparator + "Cane <-> Pane\n");
    EXPECT_NE(r.err.find("\nGenerati 1 in "), std::string::npos) << r.err;
    // "--finali" also changes the last letter; the second letter is ignored where the page hides it.
    EXPECT_EQ(Trova({"cambi", "--lettere", "a", "o"}).out, "Cambi  A <-> O (lung. 3 - 40)\n" + kSeparator);
    EXPECT_EQ(Trova({"cambi", "--lettere", "a", "o", "--finali"}).out,
              "Cambi  A <-> O (lung. 3 - 40)\n" + kSeparator + "cosA <-> cosO\n");
    EXPECT_EQ(Trova({"scambi", "--lettere", "r", "p"}).out,
              "Scambi  R <-> P (lung. 3 - 40)\n" + kSeparator + "PaRa <-> RaPa\nRaPa <-> PaRa\n");
    EXPECT_EQ(Trova({"bifronti-finale", "--lettere", "o", "z"}).out,
              "Bifronti con scarto [O] finale (lungh. 3 - 40)\n" + kSeparator);
}

TEST_F(CliTrovaTest, TheButtonsGamesIgnoreLengthsAndLettersAndASeedReplaysThem) {
    CliRun first = RunCliWith({"--cartella", dir(), "--seme", "9", "trova", "lucchetti", "--min", "zz", "--lettere", "q"});
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out.rfind("Lucchetti\n" + kSeparator, 0), 0u);
    EXPECT_NE(first.out.find("arCO + COsa -> arsa\n"), std::string::npos);
    EXPECT_EQ(RunCliWith({"--cartella", dir(), "--seme", "9", "trova", "lucchetti"}).out, first.out);
}

TEST_F(CliTrovaTest, RefusedFieldsPrintThePagesMessageBadUsageIsAUsageError) {
    CliRun r = Trova({"scarti", "--min", "ab"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "La lunghezza minima deve essere tra 0 e 40\n");
    r = Trova({"scambi", "--lettere", "r"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Devi specificare correttamente le 2 lettere (diverse)\nsulle quali e' basato il gioco\n");
    for (const Args& args : {Args{"scarti", "--lettere", "ab"}, {"boh"}, {}, {"cambi", "--lettere", "a", "b", "c"}}) {
        r = Trova(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliTest, TheTimeLimitStopsASearchAsStopDoes) {
    // No word of this dictionary makes a lucchetto: the search would never end.
    CliRun r = RunCliWith({"--cartella", dir(), "--tempo-max", "0.05", "trova", "lucchetti"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Lucchetti\n" + kSeparator + "RICERCA INTERROTTA\n");
    // A search that ends first is not interrupted.
    r = RunCliWith({"--cartella", dir(), "--tempo-max", "100", "parole"});
    EXPECT_EQ(r.out.find("RICERCA INTERROTTA"), std::string::npos);
    for (const char* bad : {"-1", "x", "nan", "1e9"}) {
        r = RunCliWith({"--cartella", dir(), "--tempo-max", bad, "parole"});
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    EXPECT_NE(RunCliWith({"--help"}).out.find("--tempo-max SECONDI"), std::string::npos);
}

}  // namespace
}  // namespace sillabor::cli
