// Scanning Dizionari/ and loading prepared files: messages, limits, fall-back
// to "Default", and refusal of damaged files.

#include "dictionary/dictionary_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/prepared_file.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using test::Fixture;
using test::PreparedFileBytes;
using test::WriteFile;
using test::WritePreparedDictionary;
using Lines = std::vector<std::string>;

const std::vector<std::string> kDefaultWords = {"casa", "cane", "rosa", "roma", "amor"};
const std::vector<std::string> kOtherWords = {"uno", "due", "tre", "quattro"};

class RecordingHost : public AppHost {
public:
    void ShowDictionaryState(const std::string& text) override { states.push_back(text); }
    void FatalStopped() override { ++fatalCalls; }
    std::vector<std::string> states;
    int fatalCalls = 0;
};

// Six words in five classes ("tre" and "ert" share one).
std::string Good() { return PreparedFileBytes({"uno", "due", "tre", "ert", "quattro", "cinque"}); }
void SetInt(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct LoaderTest : ::testing::Test {
    Fixture f;
    DictionaryJob Job() { return f.Job(); }
    RecordingHost host;
    void SetUp() override { f.app->host = &host; }
    std::filesystem::path Dir(const std::string& name) { return f.folder.path() / "Dizionari" / name; }
    int ScanAndLoad(const std::string& name) {
        if (f.Scan() != 0) return -1;
        f.app->dict.DictionaryName = name;
        return LoadDictionary(Job());
    }
};

TEST_F(LoaderTest, LoadsAPreparedFileWithItsMessagesAndCounts) {
    WritePreparedDictionary(f.folder.path(), "Default", kDefaultWords);
    ASSERT_EQ(ScanAndLoad("Default"), 0);
    EXPECT_EQ(f.sink.Lines(), (Lines{"", "Attendere : Carico il Dizionario Default", "Caricate 5 parole. Le ordino....",
                                     "Dizionario caricato e ordinato",
                                     "Per istruzioni: bottone <?>  o file <leggimi.txt>"}));
    EXPECT_EQ(host.states, (Lines{"Dizionario: LETTURA....", "Dizionario: Default"}));
    EXPECT_EQ(f.app->dict.WordCount, 6);
    EXPECT_EQ(f.app->dict.ClassCount, 4);
    EXPECT_EQ(f.app->state.FoundCount, 5);
    EXPECT_EQ(f.app->state.StatusMode, kStatusLoading);
    EXPECT_FALSE(f.app->IsFatal());
}

TEST_F(LoaderTest, ScanListsFoldersAndSelectsDefaultWhateverItsCase) {
    WritePreparedDictionary(f.folder.path(), "default", kDefaultWords);
    WritePreparedDictionary(f.folder.path(), "Altro", kOtherWords);
    WriteFile(f.folder.path() / "Dizionari" / "not-a-folder.txt", "x");
    ASSERT_EQ(f.Scan(), 0);
    EXPECT_EQ(f.app->Get<DizioGame>().dictionaries.names, (Lines{"Altro", "default"}));
    EXPECT_EQ(f.app->Get<DizioGame>().dictionaries.selected, 1);
    EXPECT_EQ(f.app->dict.DictionaryName, "default");
    f.app->dict.DictionaryName = "Altro";
    ASSERT_EQ(f.Scan(), 0);  // a rescan re-selects Default
    EXPECT_EQ(f.app->dict.DictionaryName, "default");
}

TEST_F(LoaderTest, ScanFailuresAreFatal) {
    EXPECT_EQ(f.Scan(), 1);
    EXPECT_EQ(f.sink.Lines(), (Lines{"ERRORE: Cartella 'Dizionari' non trovata!", "ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !"}));
    EXPECT_TRUE(f.app->IsFatal());
    EXPECT_EQ(host.fatalCalls, 1);

    Fixture g;
    WritePreparedDictionary(g.folder.path(), "Altro", kOtherWords);
    EXPECT_EQ(g.Scan(), 1);
    EXPECT_EQ(g.sink.Lines(), (Lines{"ERRORE: Non c'e' il dizionario 'Default'", "ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !"}));
}

TEST_F(LoaderTest, TooFewWordsInDefaultIsFatal) {
    WritePreparedDictionary(f.folder.path(), "Default", {"uno", "due"});
    EXPECT_EQ(ScanAndLoad("Default"), 1);
    EXPECT_EQ(f.sink.Lines(), (Lines{"", "Attendere : Carico il Dizionario Default",
                                     "Errore: il dizionario di Default contiene meno di 3 parole!!",
                                     "ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !"}));
    EXPECT_TRUE(f.app->IsFatal());
    EXPECT_EQ(host.states.back(), "Dizionario: (FALLITO!)");
}

TEST_F(LoaderTest, TextOfSixteenMegabytesIsRefused) {
    std::string bytes = PreparedFileBytes(kOtherWords);
    SetInt(bytes, 8, 1u << 24);
    WriteFile(Dir("Default") / "j_r_Default", bytes);
    EXPECT_EQ(ScanAndLoad("Default"), 1);
    EXPECT_EQ(f.sink.Lines()[2], "Errore: il dizionario di Default e' piu' lungo di 16 Mega");
}

TEST_F(LoaderTest, MissingPreparedFileOfDefaultWithoutSourcesIsFatal) {
    std::filesystem::create_directories(Dir("Default"));
    EXPECT_EQ(ScanAndLoad("Default"), 1);
    Lines lines = f.sink.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "Attendere: creazione del dizionario");
    EXPECT_EQ(lines.back(), "ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !");
    EXPECT_TRUE(f.app->IsFatal());
}

TEST_F(LoaderTest, ClassOfMoreThan127WordsWarnsForEachExtraWord) {
    // The 120 orders of "abcde" are one class that fits; 130 orders of
    // "abcdef" are one class of three words too many.
    std::vector<std::string> words = kDefaultWords, six;
    std::string five = "abcde", letters = "abcdef";
    do words.push_back(five);
    while (std::next_permutation(five.begin(), five.end()));
    do six.push_back(letters);
    while (six.size() < 130 && std::next_permutation(letters.begin(), letters.end()));
    words.insert(words.end(), six.begin(), six.end());
    WritePreparedDictionary(f.folder.path(), "Default", words);
    ASSERT_EQ(ScanAndLoad("Default"), 0);
    Lines lines = f.sink.Lines();
    int warnings = static_cast<int>(std::count(lines.begin(), lines.end(), "possiede piu' di 127 anagrammi."));
    EXPECT_EQ(warnings, 3);
    EXPECT_EQ(lines[2], "Apparentemente la parola <" + six[127] + ">");
    int32_t cls = f.app->dict.FindClass(ComputeLetterCount(std::string_view("fedcba")));
    ASSERT_GE(cls, 0);
    EXPECT_EQ(f.app->dict.Classes[cls].WordsInClass(), 127);
    EXPECT_GT(f.app->dict.FindWord(six[129].c_str()), 0);  // still in the slot array
}

// Damaged prepared files: each is refused with a message and the fall-back.
// The prepared-file fuzz target's corpus holds more (bad letters, classes out
// of order, repeated words, missing NUL, truncated text...).
struct Damage {
    const char* what;
    std::string (*make)();
    const char* message = "Errore: ";  // how the first line of the refusal starts
};

const Damage kDamages[] = {
    {"empty file", [] { return std::string(); }},
    {"short header", [] { return Good().substr(0, 7); }},
    {"negative classes", [] { auto b = Good(); SetInt(b, 4, 0x80000000u); return b; }},
    {"negative text", [] { auto b = Good(); SetInt(b, 8, 0xFFFFFFFFu); return b; }},
    {"huge word count", [] { auto b = Good(); SetInt(b, 0, 0x7FFFFFFFu); return b; }},
    {"zero classes", [] { auto b = Good(); SetInt(b, 4, 0); return b; }},
    {"fewer classes than runs", [] { auto b = Good(); SetInt(b, 4, 2); return b; }},
    {"declared text too long", [] { auto b = Good(); SetInt(b, 8, 400); return b; }},
    {"accented letter", [] { auto b = Good(); b[13] = '\xE0'; return b; }},
    {"empty word", [] { auto b = Good(); b.insert(12, 1, '\0'); b.pop_back(); return b; }},
    {"too few words", [] { return PreparedFileBytes({"uno", "due"}); },
     "Errore: il dizionario  contiene meno di 3 parole!!"},
    {"text of 16 megabytes", [] { auto b = PreparedFileBytes(kOtherWords); SetInt(b, 8, 1u << 24); return b; },
     "Errore: il dizionario e' piu' lungo di 16 Mega !!"},
};

TEST_F(LoaderTest, DamagedPreparedFilesAreRefusedAndDefaultIsLoaded) {
    WritePreparedDictionary(f.folder.path(), "Default", kDefaultWords);
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.what);
        f.sink.Reset();
        WriteFile(Dir("Rotto") / "j_r_Rotto", damage.make());
        ASSERT_EQ(ScanAndLoad("Rotto"), 0);
        Lines lines = f.sink.Lines();
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 2), (Lines{"", "Attendere : Carico il Dizionario Rotto"}));
        EXPECT_TRUE(lines[2].starts_with(damage.message)) << lines[2];
        EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 6),
                  (Lines{"Fallito caricamento: tento di caricare", "il dizionario di Default", ""}));
        EXPECT_EQ(host.states.back(), "Dizionario: Default");
        EXPECT_EQ(f.app->dict.DictionaryName, "Default");
        EXPECT_EQ(f.app->dict.WordCount, 6);
        EXPECT_FALSE(f.app->IsFatal());
    }
}

TEST_F(LoaderTest, DeclaredTextUpToSixBytesLongerThanTheFileIsAccepted) {
    WritePreparedDictionary(f.folder.path(), "Default", kDefaultWords);
    std::string bytes = Good();
    SetInt(bytes, 8, static_cast<uint32_t>(bytes.size() - 12 + 6));
    WriteFile(Dir("Lungo") / "j_r_Lungo", bytes);
    ASSERT_EQ(ScanAndLoad("Lungo"), 0);
    EXPECT_EQ(f.app->dict.DictionaryName, "Lungo");
    EXPECT_GT(f.app->dict.FindWord("cinque"), 0);
}

TEST_F(LoaderTest, AFolderGoneAfterTheStartKeepsTheDictionaryInUse) {
    WritePreparedDictionary(f.folder.path(), "Default", kDefaultWords);
    WritePreparedDictionary(f.folder.path(), "Altro", kOtherWords);
    ASSERT_EQ(ScanAndLoad("Altro"), 0);
    std::filesystem::remove_all(Dir("Altro"));
    f.sink.Reset();
    host.states.clear();
    EXPECT_EQ(LoadDictionary(Job()), 1);
    EXPECT_EQ(f.sink.Lines(), (Lines{"", "Errore: la cartella Dizionari/Altro non esiste piu'",
                                     "Resta in uso il dizionario Altro"}));
    EXPECT_EQ(host.states.back(), "Dizionario: Altro");
    EXPECT_NE(f.app->dict.FindWord("quattro"), 0);

    // Without Dizionari/ at all a new list says so, and the window goes on.
    std::filesystem::remove_all(f.folder.path() / "Dizionari");
    f.sink.Reset();
    EXPECT_EQ(f.Scan(), 1);
    EXPECT_EQ(f.sink.Lines(), (Lines{"ERRORE: Cartella 'Dizionari' non trovata!"}));
    f.app->dict.DictionaryName = "Default";
    EXPECT_EQ(LoadDictionary(Job()), 1);
    EXPECT_FALSE(f.app->IsFatal());
    EXPECT_EQ(f.app->dict.DictionaryName, "Altro");
    EXPECT_EQ(f.app->dict.WordCount, 5);
}

TEST_F(LoaderTest, AFileReplacedWhileItIsReadIsReadAsItWasOpened) {
    const auto path = Dir("Default") / "j_r_Default";
    WriteFile(path, PreparedFileBytes(kDefaultWords));
    PreparedFileReader reader;
    ASSERT_TRUE(reader.Open(path));
    PreparedHeader header;
    uint64_t size = 0;
    ASSERT_TRUE(reader.ReadHeader(header, size));
    // A rebuild elsewhere renames a new file over it.
    WriteFile(Dir("Default") / "nuovo", PreparedFileBytes(kOtherWords));
    std::filesystem::rename(Dir("Default") / "nuovo", path);
    std::string text(static_cast<size_t>(header.textLength), '\0');
    ASSERT_EQ(reader.ReadText(text.data(), header.textLength), header.textLength);
    EXPECT_EQ(PreparedFileBytes(kDefaultWords).substr(12), text);

    // A dictionary in memory does not change with its file; a damaged file
    // is refused at the next load, and "Default" takes its place.
    WritePreparedDictionary(f.folder.path(), "Default", kDefaultWords);
    WritePreparedDictionary(f.folder.path(), "Altro", kOtherWords);
    ASSERT_EQ(ScanAndLoad("Altro"), 0);
    WriteFile(Dir("Altro") / "j_r_Altro", Good().substr(0, 20));
    EXPECT_NE(f.app->dict.FindWord("quattro"), 0);
    f.app->dict.DictionaryName = "Altro";
    EXPECT_EQ(LoadDictionary(Job()), 0);
    EXPECT_FALSE(f.app->IsFatal());
    EXPECT_EQ(f.app->dict.LoadedName, "Default");
}

}  // namespace
}  // namespace sillabor
