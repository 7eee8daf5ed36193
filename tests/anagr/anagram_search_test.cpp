// Phrase anagrams on tiny word lists: lines, counts, limits, schemas, filters
// and the order a seed draws.

#include "anagr/anagram_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "anagr/anagr_page_rules.h"
#include "app/run_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

// The pages of the tables below name only the fields they change.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using test::Fixture;
using Lines = std::vector<std::string>;

// Classes in table order: abba, [asca casa], [amor mora roma], [ab ba], ca, sa, [er re], a, b.
const std::vector<std::string> kWords = {"roma", "amor", "mora", "ab", "ba", "abba", "a",
                                         "b",    "re",   "er",   "casa", "ca", "sa", "asca"};

struct AnagramTest : ::testing::Test {
    Fixture f;
    AnagrControls& page() { return f.app->Get<AnagrGame>().page; }
    void SetUp() override { f.LoadDefault(kWords); }
    Lines Run(int option = kAnagramSearch) {
        f.sink.Reset();
        RunGame<AnagrGame>(*f.app, option);
        return f.sink.Lines();
    }
    int Found() const { return f.app->state.FoundCount; }
};

// A page, the lines of its search, the count (-1: not checked), the text of
// TotParoleLab (null: not checked), the option and the Parole page's filters.
struct PageCase {
    AnagrControls page;
    Lines lines;
    int found = -1;
    const char* tot = nullptr;
    int option = kAnagramSearch;
    ParoleControls filters = {};
};

const ParoleControls kNoOneLetter = {.EdMiLun = "2"}, kNoWord = {.EdMiLun = "3"};

const Lines kBadSchema = {"Schema fornito non valido (es.: 2 5 6)"};

const PageCase kPageCases[] = {
    // A compact group counts every word of its class.
    {{.Frase = "R\xE0mo!"}, {"[amor mora roma] "}, 3},
    {{.Frase = "R\xE0mo!", .Compatta = false}, {"amor ", "mora ", "roma "}, 3},
    // Two groups expand with the first varying slowest.
    {{.Frase = "abre"}, {"[ab ba] [er re] ", "[er re] a b "}, 6},
    {{.Frase = "abre", .MaxWords = 2, .Compatta = false}, {"ab er ", "ab re ", "ba er ", "ba re "}, 4},
    {{.Frase = "abre", .MinWords = 3}, {"[er re] a b "}},
    {{.Frase = "abre", .MinWordLength = 2}, {"[ab ba] [er re] "}},
    // A phrase that is itself a word is not a one-word result.
    {{.Frase = "roma", .MinWords = 2}, {}},
    {{.Frase = "abre", .Fissa = "Re", .ACapo = true}, {"- Re [ab ba] ", "- Re a b "}, -1, "in. 4"},
    // A schema prints each set of words once.
    {{.Frase = "abre", .SchemaBx = true, .SchemEd = "2, 2"}, {"[er re] [ab ba] "}, 4},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "4 4"}, {"[asca casa] abba "}},
    // Words come in the schema's order; equal lengths apart are still one set.
    {{.Frase = "abre", .SchemaBx = true, .SchemEd = "1 2 1"}, {"b [er re] a "}},
    // The schema replaces the least length and the counts of words.
    {{.Frase = "abre", .MinWordLength = 3, .MaxWords = 2, .SchemaBx = true, .SchemEd = "1 1 2"}, {"b a [er re] "}},
    {{.Frase = "abababab", .SchemaBx = true, .SchemEd = "1 1 1 1 1 1 1 1"}, {"b b b b a a a a "}},
    // The lengths add up to the letters left by the fixed part.
    {{.Frase = "abre", .Fissa = "re", .SchemaBx = true, .SchemEd = "2"}, {"re [ab ba] "}},
    {{.Frase = "abre", .SchemaBx = true, .SchemEd = "2 2"}, {"[ab ba] ", "[er re] "}, -1, "in. 4",
     kAnagramShowCandidates},
    // "Randomizza" draws the order of the candidates (within each length of a
    // schema) from the seed the table runs with.
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "4 4", .Mescola = true, .Compatta = false},
     {"abba asca ", "abba casa "}},
    {{.Frase = "abre", .SchemaBx = true, .SchemEd = "1 2 1", .Mescola = true}, {"a [er re] b "}},
    {{.Frase = "abre", .Mescola = true}, {"[er re] [ab ba] ", "[er re] a b "}},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "2 5"},
     {"La somma dei numeri nello schema deve essere uguale", "al numero di caratteri da anagrammare !!"}},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "1 1 1 1 1 1 1 1 0"}, {"Al massimo 8 parole nello schema !"}},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "4 0 4"}, {"Le parole non possono essere lunghe 0 caratteri!"}},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = "abc"}, kBadSchema},
    {{.Frase = "abbacasa", .SchemaBx = true, .SchemEd = ""}, kBadSchema},
    // The result limit: compact, the first line already exceeds it; expanded,
    // a line is printed, then the expansion stops once the count before that
    // line was already over the limit.
    {{.Frase = "abre", .resultLimitOverride = 1}, {"[ab ba] [er re] "}, 4},
    {{.Frase = "abre", .Compatta = false, .resultLimitOverride = 1}, {"ab er ", "ab re ", "ba er "}, 3},
    {{.Frase = "abre"}, {"[ab ba] ", "[er re] ", "a ", "b "}, -1, "in. 6", kAnagramShowCandidates},
    // The four ways of applying the Parole filters; one-letter words fail, then every word.
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterEveryWord}, {"[ab ba] [er re] "}, -1, "in. 4",
     kAnagramSearch, kNoOneLetter},
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterSomeWord}, {"[ab ba] [er re] ", "[er re] a b "}, -1,
     nullptr, kAnagramSearch, kNoOneLetter},
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterOneWord}, {"[er re] a b "}, -1, nullptr,
     kAnagramSearch, kNoOneLetter},
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterAtMostOneWord}, {"[er re] a b "}, -1, nullptr,
     kAnagramSearch, kNoOneLetter},
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterAtMostOneWord},
     {"[ab ba] [er re] ", "[er re] a b "}, -1, nullptr, kAnagramSearch, kNoWord},
    {{.Frase = "abre", .FiltraGram = true, .FiltraCome = kFilterEveryWord}, {}, -1, nullptr, kAnagramSearch, kNoWord},
    // A filter error ends the search after its message.
    {{.Frase = "abre", .FiltraGram = true},
     {"ERRORE: la lunghezza minima non puo' essere maggiore della", "        lunghezza massima !"}, 0, nullptr,
     kAnagramSearch, {.EdMiLun = "9", .EdMxLun = "2"}},
};

TEST_F(AnagramTest, EachPagePrintsItsLines) {
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE("row " + std::to_string(&c - kPageCases));
        page() = c.page;
        f.app->Get<ParoleGame>().filters.page = c.filters;
        f.app->random.SeedFrom(4);
        EXPECT_EQ(Run(c.option), c.lines);
        if (c.found >= 0) {
            EXPECT_EQ(Found(), c.found);
        }
        if (c.tot) {
            EXPECT_EQ(page().TotParoleLab, c.tot);
        }
    }
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
    RunGame<AnagrGame>(*f.app, kAnagramSearch);
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
    f.app->Get<AnagrGame>().page.Frase = phrase;
    auto search = std::async(std::launch::async, [&] {
        f.sink.Reset();
        RunGame<AnagrGame>(*f.app, kAnagramSearch);
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

}  // namespace
}  // namespace sillabor
