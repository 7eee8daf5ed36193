// sillabor-cli end to end on a temporary working folder: the dictionary
// commands, "anagr", "parole", "cerca", "metagr", "cern", "decrit", "trova" and "curio",
// and the time limit of a search.

#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "curio/curio_game.h"
#include "metagr/metagr_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using test::WritePreparedDictionary;
using Args = std::vector<std::string>;

const std::string kSeparator = "--------------------------------------------------\n";
const std::string kClosing = kSeparator + "Fine Ricerca\n";

const Args kBasic = {"casa", "cane", "rosa", "roma", "amor"};
const Args kAnagr = {"ab", "ba", "re", "er", "a", "b"};
const Args kCerca = {"mare", "male", "rame", "amare", "casa"};
const Args kMetagr = {"cane", "care", "mare", "pane", "rame"};
const Args kCern = {"mare", "rame", "mareee", "rosa", "casa"};
const Args kDecrit = {"casa", "cosa", "rosa", "hal", "ibm", "io"};
const Args kTrova = {"cane", "pane", "cena", "rapa", "para", "arco", "cosa", "coso", "arsa"};
const Args kCurio = {"ad", "da", "ala", "roma", "amor", "mimo", "mora"};
const std::string kRotated = "bcdefghijklmnopqrstuvwxyza";
const std::string kBifronti = "Bifronti\n" + kSeparator + "ad <-> da\namor <-> roma\n";

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

// A temporary working folder whose "Default" holds `words` (null: no Dizionari/ at all).
struct Work {
    TempFolder folder;
    explicit Work(const Args* words = &kBasic) {
        if (words) WritePreparedDictionary(folder.path(), "Default", *words);
    }
    std::string dir() const { return folder.path().string(); }
    // Runs sillabor-cli on the folder.
    CliRun Run(Args args) const {
        args.insert(args.begin(), {"--cartella", dir()});
        return RunCliWith(args);
    }
};

// One command on a fresh working folder for `words`: its exit code, its whole
// stdout, and a piece of its stderr ("" none; after '!', one that must not be there).
struct CommandCase {
    const Args* words;
    Args args;
    int code;
    std::string out;
    std::string err = "";
};

const CommandCase kCommands[] = {
    // The load's lines on stdout, the status on stderr.
    {&kBasic, {"dizio", "carica"}, 0,
     "\nAttendere : Carico il Dizionario Default\nCaricate 5 parole. Le ordino....\n"
     "Dizionario caricato e ordinato\nPer istruzioni: bottone <?>  o file <leggimi.txt>\n",
     "Caricate 5 parole "},
    {nullptr, {"dizio", "carica"}, 1, "ERRORE: Cartella 'Dizionari' non trovata!\nERRORE FATALE : IMPOSSIBILE PROSEGUIRE !\n"},
    // The options fill the page.
    {&kBasic, {"parole"}, 0, "amor\ncane\ncasa\nroma\nrosa\n" + kClosing, "Generati 5 in "},
    {&kBasic,
     {"parole", "--pattern", "r*", "--pattern2", "|*|, e |r1", "--modo2", "soddisfa", "--o", "--max", "4",
      "--obbligati", "m", "--proibiti", "ro a\xC3\xA0"},
     0, "amor -> roma\n" + kClosing},
    {&kBasic, {"parole", "--pattern", "*a", "--modo1", "non", "--solo", "2\xC3\xA0mor"}, 0, "amor\n" + kClosing},
    {&kBasic, {"parole", "--pattern", "a0"}, 1, "ERRORE nel primo pattern\n" + kClosing},
    {&kBasic, {"parole", "--min", "5", "--max", "4"}, 1,
     "ERRORE: la lunghezza minima non puo' essere maggiore della\n        lunghezza massima !\n" + kClosing},
    // The time limit stops a search as "Stop !" does: no word here makes a
    // lucchetto, so the search would never end. One that ends first is not interrupted.
    {&kBasic, {"--tempo-max", "0.05", "trova", "lucchetti"}, 0, "Lucchetti\n" + kSeparator + "RICERCA INTERROTTA\n"},
    {&kBasic, {"--tempo-max", "100", "parole"}, 0, "amor\ncane\ncasa\nroma\nrosa\n" + kClosing},
    // "anagr" fills the page from the options.
    {&kAnagr, {"anagr", "Ab R\xC3\xA8!", "--schema", "2 2"}, 0, "[er re] [ab ba] \n", "\nGenerati 4 in "},
    {&kAnagr, {"anagr", "abre", "--fissa", "Re", "--espanso", "--a-capo", "--parole-max", "1"}, 0,
     "- Re ab \n- Re ba \n"},
    {&kAnagr, {"anagr", "abre", "--mostra-in", "--lung-min", "2"}, 0, "[ab ba] \n[er re] \n"},
    // "cerca" prints the window's lines for the normalised base; the closing
    // status line is the search's, not the load's.
    {&kCerca, {"cerca", "M\xC3\xA0re!"}, 0,
     "Anagramma: mare -> rame\n" + kSeparator + "Scambio: MaRe <-> RaMe\n" + kSeparator + "Aggiunta: mare -> Amare\n" +
         kSeparator + "Cambio: maRe -> maLe\n" + kClosing,
     "\nGenerati "},
    // A base refused or empty starts no search.
    {&kCerca, {"cerca", "ma*re"}, 1, "I Jolly (*) non sono ammessi in questa ricerca\n", "!Carico"},
    {&kCerca, {"cerca", "--", "...!"}, 1, "", "nulla da cercare"},
    {&kCerca, {"cerca", "--categoria", "5", "--riuso", "ab*"}, 1,
     "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili\n"},
    {&kMetagr, {"metagr", "C\xC3\xA0ne", "MARE!"}, 0, " 1 cane\n 2 care\n 3 mare\n  \n" + kSeparator + "F I N E\n",
     "\nGenerati 1 in "},
    {&kMetagr, {"metagr", "mare", "rame", "--metanagramma", "--aggiunta-scarto", "--lung-min", "2"}, 0,
     "Le due parole sono una l'anagramma dell'altra !\n"},
    {&kMetagr, {"metagr", "mare", "mare"}, 1, "Le due parole sono uguali !\n"},
    // "cern": the selection and its words, or the completion.
    {&kCern, {"cern", "Ros\xC3\xA0 tt"}, 0, "cernOut: rosa\nrosa \n", "!Trovati"},
    {&kCern, {"cern", "mar", "--goal", "e"}, 0, "mareee [mare rame] \n", "Trovati 3 in "},
    {&kCern, {"cern", "mar", "--goal", "ee"}, 1, "Il risultato (goal) non pu\xC3\xB2 contenere lettere doppie!\n"},
    // "decrit" solves with the rewritten field on stderr, enciphers through
    // the boxes and the buttons, and finds the pairs.
    {&kDecrit, {"decrit", "risolvi", "\xC3\x80" "b\n\ncdE,"}, 0, "io hal \n" + kSeparator,
     "\n# ab\n# cde\nGenerati 1 in "},
    {&kDecrit, {"decrit", "risolvi", "1 27"}, 1, "Errore :\nPuoi usare solo i numeri da 1 a 26!\n"},
    {&kDecrit, {"decrit", "critta", "Ciao,\nMondo!", "--caselle", kRotated}, 0, "Djbp,\nNpoep!\n"},
    {&kDecrit,
     {"decrit", "critta", "ciao ciao", "--caselle", kRotated, "--bottone", "ruota", "--bottone", "inverti", "--numeri2"},
     0, "1 7 25 13 - 1 7 25 13\n"},
    {&kDecrit, {"decrit", "critta", "ciao ciao", "--caselle", kRotated, "--numeri1"}, 0, "1 2 3 4 - 1 2 3 4\n"},
    {&kDecrit, {"decrit", "critta", "zac", "--caselle", "-" + kRotated.substr(1), "--bottone", "specchio"}, 0, " ay\n"},
    {&kDecrit, {"decrit", "coppie", "--caselle", "-BCDEFGHIJKLMNOPQRSTUVWXYZ", "--bottone", "ruota"}, 0, "hal -> ibm\n",
     "Trovate 1 in "},
    // "trova" fills the page from the options; "--finali" also changes the
    // last letter; the second letter is ignored where the page hides it.
    {&kTrova, {"trova", "cambi", "--lettere", "C", "p", "--max", "4"}, 0,
     "Cambi  C <-> P (lung. 3 - 4)\n" + kSeparator + "Cane <-> Pane\n", "\nGenerati 1 in "},
    {&kTrova, {"trova", "cambi", "--lettere", "a", "o"}, 0, "Cambi  A <-> O (lung. 3 - 40)\n" + kSeparator},
    {&kTrova, {"trova", "cambi", "--lettere", "a", "o", "--finali"}, 0,
     "Cambi  A <-> O (lung. 3 - 40)\n" + kSeparator + "cosA <-> cosO\n"},
    {&kTrova, {"trova", "scambi", "--lettere", "r", "p"}, 0,
     "Scambi  R <-> P (lung. 3 - 40)\n" + kSeparator + "PaRa <-> RaPa\nRaPa <-> PaRa\n"},
    {&kTrova, {"trova", "bifronti-finale", "--lettere", "o", "z"}, 0,
     "Bifronti con scarto [O] finale (lungh. 3 - 40)\n" + kSeparator},
    {&kTrova, {"trova", "scarti", "--min", "ab"}, 1, "La lunghezza minima deve essere tra 0 e 40\n"},
    {&kTrova, {"trova", "scambi", "--lettere", "r"}, 1,
     "Devi specificare correttamente le 2 lettere (diverse)\nsulle quali e' basato il gioco\n"},
    // "curio": a number and a caption run the same report; "micro" takes its
    // mode from the caption or the option.
    {&kCurio, {"curio", "23"}, 0, kBifronti, "\nRaccolta info al 100% in "},
    {&kCurio, {"curio", "bifronti"}, 0, kBifronti},
    {&kCurio, {"curio", "BIFRONTI"}, 0, kBifronti},
    {&kCurio, {"curio", "27", "--micro-modo", "1"}, 0,
     "Microenigmistica (2) Parole che costituiscono un mini-gioco\nCambi \n" + kSeparator + "mimo = mi + mo\n"},
};

TEST(CliCommands, EachPrintsItsLinesAndExitCode) {
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE("row " + std::to_string(&c - kCommands));
        const CliRun r = Work(c.words).Run(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_EQ(r.out, c.out) << r.err;
        if (c.err.starts_with('!'))
            EXPECT_EQ(r.err.find(c.err.substr(1)), std::string::npos) << r.err;
        else
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST(Cli, OtherDictionariesAreListedAndAFallBackToDefaultIsAnError) {
    Work w;
    WritePreparedDictionary(w.folder.path(), "Poco", {"uno", "due"});
    EXPECT_EQ(w.Run({"dizio", "elenco"}).out, "Default\nPoco\n");
    CliRun r = w.Run({"--dizionario", "Poco", "dizio", "carica"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("il dizionario di Default\n"), std::string::npos);
    EXPECT_NE(r.out.find("Dizionario caricato e ordinato"), std::string::npos);
}

// Usage errors of every command: exit 2, a message on stderr, nothing on stdout.
TEST(Cli, BadUsageExitsWithTwoAndAnItalianMessage) {
    Work w;
    const std::string folderPath = w.dir(), a81(81, 'a'), a301(301, 'a');
    const std::string rotated = "-BCDEFGHIJKLMNOPQRSTUVWXYZ";
    WriteFile(w.folder.path() / "lungo.txt", std::string(5000, 'a'));
    const Args bare[] = {{}, {"boh"}, {"dizio"}, {"dizio", "esporta", "--ordine", "caso"},
                         {"--seme", "x", "dizio", "carica"}, {"dizio", "carica", "--nonesiste"}};
    const Args onFolder[] = {
        {"parole", "--modo1", "forse"},
        {"anagr", "!!!"}, {"anagr", "roma", "--fissa", "Roma"},
        {"anagr", "roma", "--parole-min", "3", "--parole-max", "2"},
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
        {"--tempo-max", "1e9", "parole"},
        // Unknown reports and misplaced modes of "curio".
        {"curio", "31"}, {"curio", "cambi"}, {"curio", "conteggi", "--micro-modo", "1"},
        {"curio", "micro 2", "--micro-modo", "3"}, {"curio", "micro", "--micro-modo", "5"}, {"curio"}};
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
    EXPECT_NE(w.Run({"curio", "cambi"}).err.find("report sconosciuto: cambi"), std::string::npos);
    // A long or odd name is not repeated as it is.
    EXPECT_NE(w.Run({"curio", std::string(500, 'a')}).err.find("report sconosciuto: (500 caratteri)"),
              std::string::npos);
    EXPECT_NE(w.Run({"curio", "ca\x1b[31m"}).err.find("report sconosciuto: (7 caratteri)"), std::string::npos);
}

TEST(Cli, UsageMessagesNameTheUnknownCommandAndTheValuesAllowed) {
    const std::string commands = " (comandi: anagr, cerca, cern, curio, decrit, dizio, metagr, parole, trova)";
    const struct {
        Args args;
        std::string firstLine;
    } cases[] = {
        {{}, "manca il comando" + commands},
        {{"--seme", "3"}, "manca il comando" + commands},
        {{"boh"}, "comando sconosciuto: boh" + commands},
        {{"--cartella", "/tmp", "--seme", "3", "boh", "mare"}, "comando sconosciuto: boh" + commands},
        {{"ca\x1b[31m"}, "comando sconosciuto: (7 caratteri)" + commands},
        {{"cerca", "--categoria", "8", "mare"}, "valore non valido: --categoria (da 0 a 7)"},
        {{"cerca", "--griglia", "tutto", "mare"}, "valore non valido: --griglia (valori ammessi: risolvi, disponi, entrambi)"},
        {{"trova", "boh"},
         "valore non valido: GIOCO (valori ammessi: scambi, cambi, antipodi-iniziali, antipodi-finali, metatesi, "
         "scarti, cambi-antipodo, bifronti-iniziale, bifronti-finale, bifronti-entrambe, sciarade, "
         "sciarade-incatenate, anagrammi, intarsi, lucchetti, cerniere)"},
        {{"decrit", "coppie", "--bottone", "gira"},
         "valore non valido: --bottone (valori ammessi: nulla, specchio, ruota, inverti, caso)"},
        {{"curio", "31"},
         "report sconosciuto: 31 (report ammessi, per numero o didascalia: 1 conteggi, 2 + cambi, 3 rotaz.(26), "
         "4 rotaz.(21), 5 decresc., 6 ripetizioni, 7 + anagram., 8 lett.div., 9 voc. pal., 10 cons. pal., "
         "11 monovoc., 12 monocons., 13 crescenti, 14 let.div.cons., 15 ..c.v.c.., 16 panvocal., 17 alternanti, "
         "18 tutticambi, 19 T9 equiv, 20 T9 mult., 21 bicons., 22 palindromi, 23 bifronti, 24 tuttiscarti, "
         "25 tuttiscambi, 26 saliscendi, 27 micro 1, 28 intarsi perf., 29 scarti alt., 30 + omocons.)"},
        // A range too wide to be worth saying, and a value that is not a number.
        {{"anagr", "roma", "--limite", "x"}, "valore non valido: --limite"},
        {{"--seme", "x", "anagr", "roma"}, "valore non valido: --seme"},
    };
    Work w;
    for (const auto& c : cases) {
        // A working folder with a dictionary: the report's check comes after the folder's.
        Args args = c.args;
        if (std::find(args.begin(), args.end(), "--cartella") == args.end()) args.insert(args.begin(), {"--cartella", w.dir()});
        const CliRun r = RunCliWith(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "sillabor-cli: " + c.firstLine);
    }
}

// Every command checks its choices before a search runs, so no command line
// reaches a search that its game lacks; should a command and its game drift
// apart, the page's command still ends as a bad choice does: exit 2.
TEST(Cli, ASearchTheGameLacksExitsWithTwo) {
    Work w;
    std::ostringstream out, err;
    CliContext ctx(out, err);
    ctx.folder = w.dir();
    ctx.MakeApp();
    EXPECT_EQ(ctx.RunPageCommand<MetagrGame>(1), 2);
    EXPECT_EQ(ctx.RunPageSearch<CurioGame>(0), 2);
    EXPECT_EQ(out.str(), "");
}

TEST(Cli, HelpIsItalianForTheProgramAndItsCommands) {
    CliRun top = RunCliWith({"--help"});
    EXPECT_EQ(top.code, 0);
    EXPECT_NE(top.out.find("--cartella"), std::string::npos);
    EXPECT_NE(top.out.find("--tempo-max SECONDI"), std::string::npos);
    CliRun sub = RunCliWith({"dizio", "esporta", "--help"});
    EXPECT_EQ(sub.code, 0);
    EXPECT_NE(sub.out.find("--ordine"), std::string::npos);
}

TEST(Cli, ExportsInRhymeOrderAfterTheLoad) {
    Work w;
    CliRun r = w.Run({"dizio", "esporta", "--ordine", "rime"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Inverto le parole\n"), std::string::npos);
    // By their reversed forms: amor, asac, asor, enac, roma.
    EXPECT_EQ(ReadFile(w.folder.path() / "Salvataggi" / "Dizionario.txt"), "roma\ncasa\nrosa\ncane\namor\n");
}

TEST(Cli, BuildsFromSourcesWithTheChosenOptions) {
    Work w;
    WriteFile(w.folder.path() / "Dizionari" / "Mio" / "testo.txt", "L'amico dell'orso \xC3\xA8 qui, con la citt\xC3\xA0.\n");
    CliRun r = w.Run({"--dizionario", "Mio", "dizio", "crea", "--apostrofo"});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("Attendere : Carico il Dizionario Mio"), std::string::npos);
    w.Run({"--dizionario", "Mio", "dizio", "esporta"});
    EXPECT_EQ(ReadFile(w.folder.path() / "Salvataggi" / "Dizionario.txt"), "amico\ncitta\ncon\ne\nla\norso\nqui\n");
}

TEST(Cli, CercasGridOptionsReachTheSearchAndASeedReplaysTheArrangement) {
    Work w(&kCerca);
    auto arrange = [&](const char* seed) {
        return w.Run({"--seme", seed, "cerca", "--categoria", "5", "--griglia", "entrambi", "--no-diag", "amarecasamalexyz"});
    };
    CliRun first = arrange("3");
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(arrange("3").out, first.out);
    // The arranged grid's table, a blank line, then the words of that grid.
    EXPECT_EQ(first.out.rfind("-----------------\n| ", 0), 0u) << first.out;
    EXPECT_NE(first.out.find("\n \nHo trovato "), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("[ 5] amare\n"), std::string::npos) << first.out;
    // A base longer than the window's field fits the grid's 300 characters.
    EXPECT_EQ(w.Run({"cerca", "--categoria", "5", std::string(300, 'a')}).code, 0);
}

TEST(Cli, DecritSolvesAFile) {
    Work w(&kDecrit);
    WriteFile(w.folder.path() / "cifrato.txt", "1 2 3 2\r\n");
    CliRun r = w.Run({"decrit", "risolvi", "--file", (w.folder.path() / "cifrato.txt").string()});
    EXPECT_EQ(r.out, "casa \n" + kSeparator);
    EXPECT_NE(r.err.find("# 1 2 3 2\n"), std::string::npos) << r.err;
}

TEST(Cli, TrovasButtonsGamesIgnoreLengthsAndLettersAndASeedReplaysThem) {
    Work w(&kTrova);
    CliRun first = w.Run({"--seme", "9", "trova", "lucchetti", "--min", "zz", "--lettere", "q"});
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out.rfind("Lucchetti\n" + kSeparator, 0), 0u);
    EXPECT_NE(first.out.find("arCO + COsa -> arsa\n"), std::string::npos);
    EXPECT_EQ(w.Run({"--seme", "9", "trova", "lucchetti"}).out, first.out);
}

// "curio": the list, the mode of "micro", and replays of the random reports with --seme.
TEST(Cli, CurioListsTheReportsMicroModesAndReplaysARandomReport) {
    Work w(&kCurio);
    CliRun r = w.Run({"curio", "elenco"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.starts_with(" 1 conteggi\n 2 + cambi\n 3 rotaz.(26)\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 30);
    EXPECT_NE(r.out.find("\n27 micro 1\n"), std::string::npos);
    EXPECT_EQ(w.Run({"curio", "micro"}).out.substr(0, 21), "Microenigmistica (1) ");
    EXPECT_EQ(w.Run({"curio", "micro 4"}).out.substr(0, 21), "Microenigmistica (4) ");

    const CliRun first = w.Run({"--seme", "9", "curio", "tutticambi"});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out.substr(0, 27), "Esempi dei cambi possibili\n");
    EXPECT_EQ(w.Run({"--seme", "9", "curio", "tutticambi"}).out, first.out);
}

// The web page's module runs command after command on one kept application:
// each prints what a fresh process prints, in either order, and only a page
// command on the dictionary the last page command loaded skips the load.
TEST(Cli, AKeptApplicationPrintsWhatAFreshOnePrints) {
    Work w(&kTrova);
    const std::vector<Args> commands = {
        {"--seme", "9", "trova", "cambi", "--lettere", "r", "l"}, {"parole", "--pattern", "*a"},
        {"anagr", "arco"}, {"cerca", "--categoria", "3", "cane"}, {"metagr", "cane", "pane"},
        {"cern", "cane"}, {"--seme", "2", "curio", "tutticambi"}, {"decrit", "risolvi", "1 2 3 2"},
        {"trova", "--lettere", "o", "scarti"}, {"curio", "1"},
        {"--seme", "7", "cerca", "--categoria", "5", "--griglia", "entrambi", "canepanecenarapa"},
    };
    std::vector<CliRun> fresh;
    for (const Args& args : commands) fresh.push_back(w.Run(args));
    KeptApp kept;
    auto runKept = [&](Args args) {
        args.insert(args.begin(), {"sillabor-cli", "--cartella", w.dir()});
        std::ostringstream out, err;
        const int code = RunCli(args, out, err, {}, CliPages{}, &kept);
        return CliRun{code, out.str(), err.str()};
    };
    for (int round = 0; round < 2; ++round) {
        for (size_t n = 0; n < commands.size(); ++n) {
            const size_t i = round == 0 ? n : commands.size() - 1 - n;
            SCOPED_TRACE(commands[i][0] + " " + commands[i][1]);
            const CliRun r = runKept(commands[i]);
            EXPECT_EQ(r.code, fresh[i].code) << r.err;
            EXPECT_EQ(r.out, fresh[i].out);
            EXPECT_EQ(r.err.find("Caricate ") != std::string::npos, round == 0 && n == 0) << r.err;
        }
    }
    // Any other command drops the trust: the next search loads the words anew.
    WritePreparedDictionary(w.folder.path(), "Default", kBasic);
    EXPECT_EQ(runKept({"curio", "elenco"}).code, 0);
    const CliRun after = runKept({"parole"});
    EXPECT_EQ(after.out, "amor\ncane\ncasa\nroma\nrosa\n" + kClosing);
    EXPECT_NE(after.err.find("Caricate 5 parole"), std::string::npos) << after.err;
}

}  // namespace
}  // namespace sillabor::cli
