// Phrase anagrams on tiny word lists: lines, counts, limits and filters.

#include "anagrams/anagram_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "anagrams/anagram_page_rules.h"
#include "app/run_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using test::Fixture;
using Lines = std::vector<std::string>;

// Classes in table order: abba, [asca casa], [amor mora roma], [ab ba], ca, sa, [er re], a, b.
const std::vector<std::string> kWords = {"roma", "amor", "mora", "ab", "ba", "abba", "a",
                                         "b",    "re",   "er",   "casa", "ca", "sa", "asca"};

struct AnagramTest : ::testing::Test {
    Fixture f;
    AnagramPage& page() { return f.app->Get<AnagramGame>().page; }
    void SetUp() override { f.LoadDefault(kWords); }
    Lines Run(int option = kAnagramSearch) {
        f.sink.Reset();
        RunGame(*f.app, kGameAnagrams, option);
        return f.sink.Lines();
    }
    int Found() const { return f.app->state.FoundCount; }
};

TEST_F(AnagramTest, ACompactGroupCountsEveryWordOfItsClass) {
    page().Frase = "R\xE0mo!";
    EXPECT_EQ(Run(), (Lines{"[amor mora roma] "}));
    EXPECT_EQ(Found(), 3);
    page().Compatta = false;
    EXPECT_EQ(Run(), (Lines{"amor ", "mora ", "roma "}));
    EXPECT_EQ(Found(), 3);
}

TEST_F(AnagramTest, TwoGroupsExpandWithTheFirstVaryingSlowest) {
    page().Frase = "abre";
    EXPECT_EQ(Run(), (Lines{"[ab ba] [er re] ", "[er re] a b "}));
    EXPECT_EQ(Found(), 6);
    page().Compatta = false;
    page().MaxWords = 2;
    EXPECT_EQ(Run(), (Lines{"ab er ", "ab re ", "ba er ", "ba re "}));
    EXPECT_EQ(Found(), 4);
}

TEST_F(AnagramTest, WordCountLimitsAndMinimumLength) {
    page().Frase = "abre";
    page().MinWords = 3;
    EXPECT_EQ(Run(), (Lines{"[er re] a b "}));
    page().MinWords = 1;
    page().MinWordLength = 2;
    EXPECT_EQ(Run(), (Lines{"[ab ba] [er re] "}));
    page() = AnagramPage{};
    page().Frase = "roma";
    page().MinWords = 2;  // a phrase that is itself a word is not a one-word result
    EXPECT_TRUE(Run().empty());
}

TEST_F(AnagramTest, FixedPartAndWrappedLines) {
    page().Frase = "abre";
    page().Fissa = "Re";
    page().ACapo = true;
    EXPECT_EQ(Run(), (Lines{"- Re [ab ba] ", "- Re a b "}));
    EXPECT_EQ(f.app->Get<AnagramGame>().page.TotParoleLab, "in. 4");
}

TEST_F(AnagramTest, SchemaPrintsEachSetOfWordsOncePerSchema) {
    page().Frase = "abre";
    page().SchemaBx = true;
    page().SchemEd = "2, 2";
    EXPECT_EQ(Run(), (Lines{"[er re] [ab ba] "}));
    EXPECT_EQ(Found(), 4);
}

TEST_F(AnagramTest, SchemaErrorsEndTheSearch) {
    page().Frase = "abbacasa";
    page().SchemaBx = true;
    const std::pair<const char*, Lines> cases[] = {
        {"2 5", {"La somma dei numeri nello schema deve essere uguale", "al numero di caratteri da anagrammare !!"}},
        {"1 1 1 1 1 1 1 1 0", {"Al massimo 8 parole nello schema !"}},
        {"4 0 4", {"Le parole non possono essere lunghe 0 caratteri!"}},
        {"abc", {"Schema fornito non valido (es.: 2 5 6)"}},
        {"", {"Schema fornito non valido (es.: 2 5 6)"}},
    };
    for (const auto& [schema, lines] : cases) {
        page().SchemEd = schema;
        EXPECT_EQ(Run(), lines) << schema;
    }
    page().SchemEd = "4 4";
    EXPECT_EQ(Run(), (Lines{"[asca casa] abba "}));
}

TEST_F(AnagramTest, TheResultLimitStopsAtTheSpecifiedPlaces) {
    page().Frase = "abre";
    page().resultLimitOverride = 1;
    // Compact: the first line already exceeds the limit.
    EXPECT_EQ(Run(), (Lines{"[ab ba] [er re] "}));
    EXPECT_EQ(Found(), 4);
    // Expanded: a line is printed, then the expansion stops once the count
    // before that line was already over the limit.
    page().Compatta = false;
    EXPECT_EQ(Run(), (Lines{"ab er ", "ab re ", "ba er "}));
    EXPECT_EQ(Found(), 3);
}

TEST_F(AnagramTest, ShowCandidatesListsTheClassesAlone) {
    page().Frase = "abre";
    EXPECT_EQ(Run(kAnagramShowCandidates), (Lines{"[ab ba] ", "[er re] ", "a ", "b "}));
    EXPECT_EQ(f.app->Get<AnagramGame>().page.TotParoleLab, "in. 6");
}

TEST_F(AnagramTest, AStopRequestEndsTheSearchAtOnce) {
    page().Frase = "abrecasaroma";
    // RunGame clears the flag, as a new search does: the sink sets it after the first line.
    struct StopSink : test::CollectingSink {
        App* app = nullptr;
        void WriteLine(std::string_view line) override {
            CollectingSink::WriteLine(line);
            app->state.StopRequested = true;
        }
    } stopper;
    stopper.app = f.app.get();
    f.app->out.SetSink(&stopper);
    RunGame(*f.app, kGameAnagrams, kAnagramSearch);
    EXPECT_EQ(stopper.Lines().size(), 1u);
}

TEST_F(AnagramTest, LongPhrasesFindAnagramsByRandomHalves) {
    page().Frase = "roma roma roma roma roma roma amor ab";  // 30 letters
    page().resultLimitOverride = 5;
    Lines lines = Run();
    ASSERT_FALSE(lines.empty());
    EXPECT_GE(Found(), 5);
    for (const std::string& line : lines) EXPECT_EQ(line.back(), ' ');
}

// Runs the anagram search of `phrase`, pressing "Stop !" only if it has not
// ended by itself after 20 seconds; returns its lines and whether it ended.
std::pair<Lines, bool> SearchUnlessStuck(Fixture& f, const std::string& phrase) {
    f.app->Get<AnagramGame>().page.Frase = phrase;
    auto search = std::async(std::launch::async, [&] {
        f.sink.Reset();
        RunGame(*f.app, kGameAnagrams, kAnagramSearch);
        return f.sink.Lines();
    });
    const bool ended = search.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!ended) f.app->state.StopRequested = true;
    return {search.get(), ended};
}

TEST_F(AnagramTest, LongPhrasesThatNoSplitCanCoverEndByThemselves) {
    // Thirty a's are no eight one-letter words twice, and no word has a z:
    // the random halves used to be drawn until "Stop !".
    for (const char* phrase : {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz"}) {
        auto [lines, ended] = SearchUnlessStuck(f, phrase);
        EXPECT_TRUE(ended) << phrase;
        EXPECT_TRUE(lines.empty()) << phrase;
    }
    // Seven roma and six mare make an anagram, but every word has one r and
    // one m while each half gets thirteen consonants: no split ever works.
    Fixture g;
    g.LoadDefault({"roma", "amor", "mare", "rame", "a", "e"});
    std::string phrase;
    for (int i = 0; i < 6; ++i) phrase += "romamare";
    auto [lines, ended] = SearchUnlessStuck(g, phrase + "roma");
    EXPECT_TRUE(ended);
    EXPECT_TRUE(lines.empty());
}

TEST_F(AnagramTest, TheFourWaysOfApplyingTheParoleFilters) {
    page().Frase = "abre";
    page().FiltraGram = true;
    f.app->Get<ParoleGame>().filters.page.EdMiLun = "2";  // one-letter words fail
    const std::pair<int, Lines> cases[] = {
        {kFilterEveryWord, {"[ab ba] [er re] "}},
        {kFilterSomeWord, {"[ab ba] [er re] ", "[er re] a b "}},
        {kFilterOneWord, {"[er re] a b "}},
        {kFilterAtMostOneWord, {"[er re] a b "}},
    };
    for (const auto& [choice, lines] : cases) {
        page().FiltraCome = choice;
        EXPECT_EQ(Run(), lines) << choice;
    }
    page().FiltraCome = kFilterEveryWord;
    Run();
    EXPECT_EQ(f.app->Get<AnagramGame>().page.TotParoleLab, "in. 4");  // only the passing words count

    f.app->Get<ParoleGame>().filters.page.EdMiLun = "3";  // no word passes
    page().FiltraCome = kFilterAtMostOneWord;
    EXPECT_EQ(Run(), (Lines{"[ab ba] [er re] ", "[er re] a b "}));
    page().FiltraCome = kFilterEveryWord;
    EXPECT_TRUE(Run().empty());
}

TEST_F(AnagramTest, AFilterErrorEndsTheSearchAfterItsMessage) {
    page().Frase = "abre";
    page().FiltraGram = true;
    f.app->Get<ParoleGame>().filters.page.EdMiLun = "9";
    f.app->Get<ParoleGame>().filters.page.EdMxLun = "2";
    Lines lines = Run();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().find('['), std::string::npos);
    EXPECT_EQ(Found(), 0);
}

}  // namespace
}  // namespace sillabor
