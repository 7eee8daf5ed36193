#include "dictionary/dictionary_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "dictionary/dictionary_loader.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

using Words = std::vector<std::string>;

// The words of a prepared file, after its 12-byte header, in byte order.
Words SortedWordsOf(const std::string& bytes) {
    Words words;
    for (size_t at = 12, end; at < bytes.size() && (end = bytes.find('\0', at)) != std::string::npos; at = end + 1)
        words.push_back(bytes.substr(at, end - at));
    std::sort(words.begin(), words.end());
    return words;
}

class BuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The build's temporary folder goes under our own, so that we can see
        // whether it is removed.
        tmp = f.folder.path() / "tmp";
        fs::create_directories(tmp);
        if (const char* old = std::getenv("TMPDIR")) oldTmpdir = old;
        setenv("TMPDIR", tmp.c_str(), 1);
    }
    void TearDown() override { oldTmpdir ? setenv("TMPDIR", oldTmpdir->c_str(), 1) : unsetenv("TMPDIR"); }

    // The folder of "Prova", a source in it, its prepared file.
    fs::path Folder() { return f.app->DictionariesDir() / "Prova"; }
    void Source(const std::string& file, const std::string& bytes) { WriteFile(Folder() / file, bytes); }
    fs::path PreparedPath() { return Folder() / "j_r_Prova"; }
    bool NoTemporaryLeft() { return fs::is_empty(tmp); }

    // Builds "Prova" and returns its words in byte order.
    Words BuildWords(int options) {
        f.buildOptions = options;
        EXPECT_EQ(BuildDictionary(Job(), "Prova"), 0);
        return SortedWordsOf(ReadFile(PreparedPath()));
    }
    Words WordsOf(const std::string& sourceText, int options) {
        Source("testo.txt", sourceText);
        return BuildWords(options);
    }

    test::Fixture f;
    DictionaryJob Job() { return f.Job(); }
    fs::path tmp;
    std::optional<std::string> oldTmpdir;
};

TEST_F(BuildTest, ApostrophesHyphensCapitalsAccentsAndLengthDecideTheWords) {
    const std::string thirtyNine(39, 'b');
    const Words afterApostrophe = {"amico", "e", "orso", "qui"}, whole = {"amico", "dell", "e", "l", "orso", "qui"};
    const std::tuple<std::string, int, Words> cases[] = {
        // The apostrophe option keeps only the part after it, in UTF-8, in
        // Windows-1252 and after an acute accent.
        {"L'amico dell'orso \xC3\xA8 qui.", kBuildSkipBeforeApostrophe, afterApostrophe},
        {"L'amico dell'orso \xC3\xA8 qui.", 0, whole},
        {"L'amico dell'orso \xE8 qui.", kBuildSkipBeforeApostrophe, afterApostrophe},
        {"L'amico dell'orso \xE8 qui.", 0, whole},
        {"L\xB4" "amico dell\xB4orso \xE8 qui.", kBuildSkipBeforeApostrophe, afterApostrophe},
        {"L\xB4" "amico dell\xB4orso \xE8 qui.", 0, whole},
        // A trailing apostrophe or two of them leave the word out.
        {"po' dall'all'alba casa", kBuildSkipBeforeApostrophe, {"casa"}},
        {"rosso - nero", kBuildSkipHyphenated, {}},
        {"il pesce-spada nuota", kBuildSkipHyphenated, {"il", "nuota"}},
        {"il pesce-spada nuota", 0, {"il", "nuota", "pesce", "spada"}},
        {"rosso -nero bianco- verde giallo", kBuildSkipHyphenated, {"giallo"}},
        // The hyphen takes back only the word stored right before it: "e" was a
        // repeat, so "pane" survives; a word taken back is stored when it comes again.
        {"casa e pane e -x", kBuildSkipHyphenated, {"casa", "e", "pane"}},
        {"sole -x luna sole", kBuildSkipHyphenated, {"luna", "sole"}},
        {"Roma e Milano", kBuildSkipCapitalised, {"e"}},
        {"Roma e Milano", 0, {"e", "milano", "roma"}},
        {"PERCH\xC9 \xC0nfora", 0, {"anfora", "perche"}},
        {"PERCH\xC9 perch\xE9", kBuildSkipCapitalised, {"perche"}},
        // UTF-8: accents fold; a character with no Windows-1252 form separates.
        {"citt\xC3\xA0 casa\xE2\x86\x92tetto na\xC3\xAFve", 0, {"casa", "citta", "naive", "tetto"}},
        // Letters that do not fold (a with tilde, ae, sharp s) and digits separate.
        {"s\xE3o p\xE6t gro\xDF" "e a1b", 0, {"a", "b", "e", "gro", "o", "p", "s", "t"}},
        // Words of forty letters never enter.
        {std::string(40, 'a') + " " + thirtyNine + " c", 0, {thirtyNine, "c"}},
    };
    for (const auto& [text, options, words] : cases) EXPECT_EQ(WordsOf(text, options), words) << text;
}

TEST_F(BuildTest, SourcesMergeWithoutDuplicatesAndExclusionsAreSubtracted) {
    Source("a.txt", "uno due tre quattro cinque casa casa");
    Source("b.txt", "due quattro sei sette otto");
    Source("c.txt", "sette nove dieci uno casa");
    Source("escludi.txt", "otto nove zebra");
    EXPECT_EQ(BuildWords(0),
              (Words{"casa", "cinque", "dieci", "due", "quattro", "sei", "sette", "tre", "uno"}));
    EXPECT_TRUE(NoTemporaryLeft());
}

TEST_F(BuildTest, ExclusionListIsReadWithoutOptionsAndClearsThem) {
    Source("a.txt", "dell'orso l'amico Roma");
    Source("escludi.txt", "Dell'orso");
    // The list excludes "dell" and "orso" as two words, whatever the options.
    EXPECT_EQ(BuildWords(kBuildSkipBeforeApostrophe), (Words{"amico", "roma"}));
    EXPECT_EQ(f.buildOptions, 0);
}

TEST_F(BuildTest, PreparedFileIsByteExact) {
    Source("parole.txt", "Ramo, amor; ape pace capo e oca! ramo");
    ASSERT_EQ(BuildDictionary(Job(), "Prova"), 0);
    EXPECT_EQ(ReadFile(PreparedPath()),
              std::string("\x07\0\0\0" "\x06\0\0\0" "\x1e\0\0\0" "pace\0capo\0amor\0ramo\0oca\0ape\0e\0", 12 + 30));

    // Anagram classes of every length, numbers of a's etc.: the file must be
    // exactly what the well-formed writer of the test support produces.
    fs::remove(Folder() / "parole.txt");
    std::string text;
    std::vector<std::string> words = {"roma", "amor", "mora", "ramo", "orma", "armo", "aa", "ab", "ba",
                                      "b", "abba", "baba", "abbb", "aaab", "zz", "zzz", "cane", "acne",
                                      "casa", "rosa", "oras", "sora", "arso", "ossa", "sosa", "rasa"};
    for (const std::string& w : words) text += w + "\n";
    Source("lista.txt", text);
    ASSERT_EQ(BuildDictionary(Job(), "Prova"), 0);
    EXPECT_EQ(ReadFile(PreparedPath()), test::PreparedFileBytes(words));
}

TEST_F(BuildTest, WholeBuildPrintsItsStepsAndLoads) {
    Source("b.txt", "casa\ncane\n");
    Source("a.txt", "mare \xE8 casa\n");
    Source("escludi.txt", "cane\n");
    Source("j_r_Vecchio", "old");
    Source(".nascosto", "segreto");
    fs::create_directories(Folder() / "sotto");
    WriteFile(Folder() / "sotto" / "x.txt", "dentro");
    f.app->dict.DictionaryName = "Prova";
    f.sink.Reset();
    ASSERT_EQ(BuildDictionary(Job(), "Prova"), 0);
    EXPECT_EQ(f.sink.Lines(), (Words{"Path = Dizionari/Prova/*.*",
                                     "Letto file a.txt  Bytes = 12",
                                     "Letto file b.txt  Bytes = 10",
                                     "Unione file sorgenti",
                                     "Esclusione parole in escludi.txt",
                                     "Salvataggio del dizionario Prova",
                                     "Fatto!"}));
    EXPECT_FALSE(fs::exists(Folder() / "j_r_Vecchio"));
    EXPECT_TRUE(fs::exists(Folder() / ".nascosto"));
    EXPECT_EQ(f.app->state.StatusMode.load(), kStatusBuilding);
    EXPECT_FALSE(f.app->dict.IsLoaded());
    EXPECT_TRUE(NoTemporaryLeft());
    for (auto& e : fs::directory_iterator(Folder())) EXPECT_FALSE(e.path().filename().string().starts_with(".j_r_"));

    ASSERT_EQ(LoadDictionary(Job()), 0);
    EXPECT_EQ(f.app->dict.WordCount - 1, 3);  // casa, mare, e
    EXPECT_NE(f.app->dict.FindWord("mare"), 0);
    EXPECT_EQ(f.app->dict.FindWord("cane"), 0);
}

TEST_F(BuildTest, NoSourceFailsWithTwoLines) {
    const Words failure = {"Path = Dizionari/Prova/*.*", "Nessun file disponibile nella cartella Prova",
                           "Creazione del dizionario Prova : FALLITA"};
    EXPECT_EQ(BuildDictionary(Job(), "Prova"), 1);  // no folder at all
    EXPECT_EQ(f.sink.Lines(), failure);

    Source("escludi.txt", "parola");
    Source(".nascosto", "parola");
    Source("j_r_Prova", "old");
    f.sink.Reset();
    EXPECT_EQ(BuildDictionary(Job(), "Prova"), 1);
    EXPECT_EQ(f.sink.Lines(), failure);
    EXPECT_EQ(ReadFile(PreparedPath()), "old");  // a failed build keeps the dictionary that worked

    // A name that would lead out of Dizionari/ is no dictionary folder.
    Source("testo.txt", "parola");
    fs::create_directories(f.folder.path() / "Prova");
    WriteFile(f.folder.path() / "Prova" / "j_r_Altro", "old");
    f.sink.Reset();
    EXPECT_EQ(BuildDictionary(Job(), "../Prova"), 1);
    EXPECT_EQ(f.sink.Lines().back(), "Creazione del dizionario ../Prova : FALLITA");
    EXPECT_TRUE(fs::exists(f.folder.path() / "Prova" / "j_r_Altro"));
}

TEST_F(BuildTest, SourceOverTenMegabytesStopsTheBuild) {
    Source("a.txt", "prima parola");
    Source("b.txt", std::string(kMaxSourceBytes + 1, 'x'));
    Source("j_r_Prova", "old");
    EXPECT_EQ(BuildDictionary(Job(), "Prova"), 1);
    EXPECT_EQ(f.sink.Lines(), (Words{"Path = Dizionari/Prova/*.*", "Letto file a.txt  Bytes = 12",
                                     "Il file <b.txt> eccede la lunghezza massima consentita",
                                     "(10 Mb). Ti consiglio di spezzarlo in piu' files",
                                     "Creazione del dizionario FALLITA"}));
    EXPECT_EQ(ReadFile(PreparedPath()), "old");
    EXPECT_TRUE(NoTemporaryLeft());
}

TEST_F(BuildTest, SourceOfExactlyTenMegabytesIsReadToItsLastByte) {
    std::string text(kMaxSourceBytes, ' ');
    text.replace(text.size() - 5, 5, "ultim");
    Source("a.txt", text);
    EXPECT_EQ(BuildWords(0), (Words{"ultim"}));
    EXPECT_EQ(f.sink.Lines()[1], "Letto file a.txt  Bytes = 10485760");
}

TEST_F(BuildTest, TenThousandSourcesBuildOneDictionary) {
    for (int k = 0; k < 10000; ++k) Source("f" + std::to_string(k) + ".txt", "casa mare " + std::string(2 + k % 30, 'z') + "\n");
    Words expected = {"casa", "mare"};
    for (int length = 2; length <= 31; ++length) expected.push_back(std::string(static_cast<size_t>(length), 'z'));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(BuildWords(0), expected);
    EXPECT_TRUE(NoTemporaryLeft());
}

TEST_F(BuildTest, ASourceRemovedDuringTheBuildFailsItAndKeepsThePreparedFile) {
    Source("a.txt", "casa cane");
    Source("b.txt", "mare");
    Source("j_r_Prova", "old");
    // b.txt goes while a.txt is being turned into words.
    struct RemovingSink : test::CollectingSink {
        fs::path victim;
        void WriteLine(std::string_view line) override {
            CollectingSink::WriteLine(line);
            if (line.starts_with("Letto file a.txt")) fs::remove(victim);
        }
    } sink;
    sink.victim = Folder() / "b.txt";
    f.app->out.SetSink(&sink);
    EXPECT_EQ(BuildDictionary(Job(), "Prova"), 1);
    const Words lines = sink.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(Words(lines.end() - 2, lines.end()),
              (Words{"Errore: impossibile leggere il file b.txt", "Creazione del dizionario Prova : FALLITA"}));
    EXPECT_EQ(ReadFile(PreparedPath()), "old");
    EXPECT_TRUE(NoTemporaryLeft());
}

}  // namespace
}  // namespace sillabor
