// sillabor-cli end to end on a temporary working folder: the dictionary
// commands, "parole", "cerca", "metagr", "cern", "decrit", "trova" and "curio",
// and the time limit of a search.

#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Usage errors of every command: exit 2, a message on stderr, nothing on stdout.
TEST_F(CliTest, BadUsageExitsWithTwoAndAnItalianMessage) {
    const std::string folderPath = dir(), a81(81, 'a'), a301(301, 'a');
    const std::string rotated = "-BCDEFGHIJKLMNOPQRSTUVWXYZ";
    WriteFile(folder.path() / "lungo.txt", std::string(5000, 'a'));
    const Args bare[] = {{}, {"boh"}, {"dizio"}, {"dizio", "esporta", "--ordine", "caso"},
                         {"--seme", "x", "dizio", "carica"}, {"dizio", "carica", "--nonesiste"}};
    const Args onFolder[] = {
        {"parole", "--modo1", "forse"},
        {"cerca", "--categoria", "8", "mare"}, {"cerca", "--griglia", "tutto", "mare"}, {"cerca"},
        {"cerca", "--categoria", "6", a81}, {"cerca", "--categoria", "5", a301},
        // Words longer than the window's fields, and lengths it does not offer.
        {"metagr", "precipitevolissimevolmente", "mare"}, {"metagr", "cane", "mare", "--lung-min", "7"},
        {"metagr", "cane"},
        {"decrit", "coppie", "--caselle", "abc"}, {"decrit", "coppie", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXY1"},
        {"decrit", "critta", "x", "--caselle", rotated, "--bottone", "inverti"},
        {"decrit", "critta", "x", "--caselle", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "gira"},
        {"decrit", "risolvi"}, {"decrit", "risolvi", "--file", "/nessun/file"},
        {"decrit", "risolvi", "--file", folderPath}, {"decrit", "risolvi", "--file", folderPath + "/lungo.txt"},
        {"trova", "scarti", "--lettere", "ab"}, {"trova", "boh"}, {"trova"},
        {"trova", "cambi", "--lettere", "a", "b", "c"},
        {"--tempo-max", "-1", "parole"}, {"--tempo-max", "x", "parole"}, {"--tempo-max", "nan", "parole"},
        {"--tempo-max", "1e9", "parole"}};
    std::vector<Args> cases(std::begin(bare), std::end(bare));
    for (Args args : onFolder) {
        args.insert(args.begin(), {"--cartella", folderPath});
        cases.push_back(args);
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        CliRun r = RunCliWith(cases[i]);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.err.rfind("sillabor-cli: ", 0), 0u) << r.err;
        // A misplaced word points to the help; a bad value says what it wants.
        if (i < std::size(bare)) {
            EXPECT_NE(r.err.find("Usa --help"), std::string::npos) << r.err;
        }
        EXPECT_EQ(r.out, "") << r.err;
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

    // A base longer than the window's field fits the grid's 300 characters.
    EXPECT_EQ(Cerca({"--categoria", "5", std::string(300, 'a')}).code, 0);

    CliRun jokers = Cerca({"--categoria", "5", "--riuso", "ab*"});
    EXPECT_EQ(jokers.code, 1);
    EXPECT_EQ(jokers.out, "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili\n");
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

TEST_F(CliDecritTest, FindsThePairs) {
    CliRun r = Decrit({"coppie", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "ruota"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "hal -> ibm\n");
    EXPECT_NE(r.err.find("Trovate 1 in "), std::string::npos) << r.err;
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

TEST_F(CliTrovaTest, RefusedFieldsPrintThePagesMessage) {
    CliRun r = Trova({"scarti", "--min", "ab"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "La lunghezza minima deve essere tra 0 e 40\n");
    r = Trova({"scambi", "--lettere", "r"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Devi specificare correttamente le 2 lettere (diverse)\nsulle quali e' basato il gioco\n");
}

TEST_F(CliTest, TheTimeLimitStopsASearchAsStopDoes) {
    // No word of this dictionary makes a lucchetto: the search would never end.
    CliRun r = RunCliWith({"--cartella", dir(), "--tempo-max", "0.05", "trova", "lucchetti"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Lucchetti\n" + kSeparator + "RICERCA INTERROTTA\n");
    // A search that ends first is not interrupted.
    r = RunCliWith({"--cartella", dir(), "--tempo-max", "100", "parole"});
    EXPECT_EQ(r.out.find("RICERCA INTERROTTA"), std::string::npos);
    EXPECT_NE(RunCliWith({"--help"}).out.find("--tempo-max SECONDI"), std::string::npos);
}

// "curio": reports by number or caption, the list, the mode of "micro", and
// replays of the random reports with --seme.
struct CliCurioTest : CliTest {
    Args Words() const override { return {"ad", "da", "ala", "roma", "amor", "mimo", "mora"}; }
    CliRun Curio(Args args) {
        args.insert(args.begin(), {"--cartella", dir()});
        return RunCliWith(args);
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
    for (const Args& args :
         {Args{"curio", "31"}, {"curio", "cambi"}, {"curio", "conteggi", "--micro-modo", "1"},
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
