// Phrase anagrams on tiny word lists: lines, counts, limits, schemas, filters
// and the order a seed draws.

#include "anagr/anagram_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <iterator>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "anagr/anagr_game.h"
#include "anagr/anagr_page_rules.h"
#include "app/run_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

// The requests of the tables below name only the fields they change.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using test::Fixture;
using Lines = std::vector<std::string>;

// Classes in table order: abba, [asca casa], [amor mora roma], [ab ba], ca, sa, [er re], a, b.
const std::vector<std::string> kWords = {"roma", "amor", "mora", "ab", "ba", "abba", "a",
                                         "b",    "re",   "er",   "casa", "ca", "sa", "asca"};

// Runs the search `option` of a request as the page does.
Lines Search(Fixture& f, const AnagrRequest& request, int option = kAnagramSearch,
             std::shared_ptr<AnagrResult> result = nullptr) {
    f.sink.Reset();
    RunGame(*f.app, f.app->Get<AnagrGame>().Job(request, option, std::move(result)));
    return f.sink.Lines();
}

struct AnagramTest : ::testing::Test {
    Fixture f;
    void SetUp() override { f.LoadDefault(kWords); }
    int Found() const { return f.app->state.FoundCount; }
};

// A request, the lines of its search, the count (-1: not checked), the
// caption of the candidates' count (null: not checked), the option and the
// Parole page's filters.
struct RequestCase {
    AnagrRequest request;
    Lines lines;
    int found = -1;
    const char* tot = nullptr;
    int option = kAnagramSearch;
    ParoleRequest filters = {};
};

const ParoleRequest kNoOneLetter = {.minLength = 2}, kNoWord = {.minLength = 3};

const Lines kBadSchema = {"Schema fornito non valido (es.: 2 5 6)"};

const RequestCase kRequestCases[] = {
    // A compact group counts every word of its class.
    {{.phrase = "R\xE0mo!"}, {"[amor mora roma] "}, 3},
    {{.phrase = "R\xE0mo!", .compactOutput = false}, {"amor ", "mora ", "roma "}, 3},
    // Two groups expand with the first varying slowest.
    {{.phrase = "abre"}, {"[ab ba] [er re] ", "[er re] a b "}, 6},
    {{.phrase = "abre", .maxWords = 2, .compactOutput = false}, {"ab er ", "ab re ", "ba er ", "ba re "}, 4},
    {{.phrase = "abre", .minWords = 3}, {"[er re] a b "}},
    {{.phrase = "abre", .minWordLength = 2}, {"[ab ba] [er re] "}},
    // A phrase that is itself a word is not a one-word result.
    {{.phrase = "roma", .minWords = 2}, {}},
    {{.phrase = "abre", .fixedPart = "Re", .wrapLines = true}, {"- Re [ab ba] ", "- Re a b "}, -1, "in. 4"},
    // A schema prints each set of words once.
    {{.phrase = "abre", .useSchema = true, .schema = "2, 2"}, {"[er re] [ab ba] "}, 4},
    {{.phrase = "abbacasa", .useSchema = true, .schema = "4 4"}, {"[asca casa] abba "}},
    // Words come in the schema's order; equal lengths apart are still one set.
    {{.phrase = "abre", .useSchema = true, .schema = "1 2 1"}, {"b [er re] a "}},
    // The schema replaces the least length and the counts of words.
    {{.phrase = "abre", .minWordLength = 3, .maxWords = 2, .useSchema = true, .schema = "1 1 2"}, {"b a [er re] "}},
    {{.phrase = "abababab", .useSchema = true, .schema = "1 1 1 1 1 1 1 1"}, {"b b b b a a a a "}},
    // The lengths add up to the letters left by the fixed part.
    {{.phrase = "abre", .fixedPart = "re", .useSchema = true, .schema = "2"}, {"re [ab ba] "}},
    {{.phrase = "abre", .useSchema = true, .schema = "2 2"}, {"[ab ba] ", "[er re] "}, -1, "in. 4",
     kAnagramShowCandidates},
    // "Randomizza" draws the order of the candidates (within each length of a
    // schema) from the seed the table runs with.
    {{.phrase = "abbacasa", .useSchema = true, .schema = "4 4", .shuffle = true, .compactOutput = false},
     {"abba asca ", "abba casa "}},
    {{.phrase = "abre", .useSchema = true, .schema = "1 2 1", .shuffle = true}, {"a [er re] b "}},
    {{.phrase = "abre", .shuffle = true}, {"[er re] [ab ba] ", "[er re] a b "}},
    {{.phrase = "abbacasa", .useSchema = true, .schema = "2 5"},
     {"La somma dei numeri nello schema deve essere uguale", "al numero di caratteri da anagrammare !!"}},
    {{.phrase = "abbacasa", .useSchema = true, .schema = "1 1 1 1 1 1 1 1 0"}, {"Al massimo 8 parole nello schema !"}},
    {{.phrase = "abbacasa", .useSchema = true, .schema = "4 0 4"},
     {"Le parole non possono essere lunghe 0 caratteri!"}},
    {{.phrase = "abbacasa", .useSchema = true, .schema = "abc"}, kBadSchema},
    {{.phrase = "abbacasa", .useSchema = true, .schema = ""}, kBadSchema},
    // With no letters to place there is no schema to read.
    {{.phrase = "abre", .fixedPart = "abre", .useSchema = true, .schema = "x"}, {}},
    // The result limit: compact, the first line already exceeds it; expanded,
    // a line is printed, then the expansion stops once the count before that
    // line was already over the limit.
    {{.phrase = "abre", .resultLimit = 1}, {"[ab ba] [er re] "}, 4},
    {{.phrase = "abre", .compactOutput = false, .resultLimit = 1}, {"ab er ", "ab re ", "ba er "}, 3},
    {{.phrase = "abre"}, {"[ab ba] ", "[er re] ", "a ", "b "}, -1, "in. 6", kAnagramShowCandidates},
    // The four ways of applying the Parole filters; one-letter words fail, then every word.
    {{.phrase = "abre", .filterHow = kFilterEveryWord}, {"[ab ba] [er re] "}, -1, "in. 4",
     kAnagramSearch, kNoOneLetter},
    {{.phrase = "abre", .filterHow = kFilterSomeWord}, {"[ab ba] [er re] ", "[er re] a b "}, -1,
     nullptr, kAnagramSearch, kNoOneLetter},
    {{.phrase = "abre", .filterHow = kFilterOneWord}, {"[er re] a b "}, -1, nullptr,
     kAnagramSearch, kNoOneLetter},
    {{.phrase = "abre", .filterHow = kFilterAtMostOneWord}, {"[er re] a b "}, -1, nullptr,
     kAnagramSearch, kNoOneLetter},
    {{.phrase = "abre", .filterHow = kFilterAtMostOneWord},
     {"[ab ba] [er re] ", "[er re] a b "}, -1, nullptr, kAnagramSearch, kNoWord},
    {{.phrase = "abre", .filterHow = kFilterEveryWord}, {}, -1, nullptr, kAnagramSearch, kNoWord},
    // A filter error ends the search after its message.
    {{.phrase = "abre", .filterHow = kFilterEveryWord},
     {"ERRORE: la lunghezza minima non puo' essere maggiore della", "        lunghezza massima !"}, 0, nullptr,
     kAnagramSearch, {.minLength = 9, .maxLength = 2}},
};

TEST_F(AnagramTest, EachRequestPrintsItsLines) {
    for (const RequestCase& c : kRequestCases) {
        SCOPED_TRACE("row " + std::to_string(&c - kRequestCases));
        AnagrRequest request = c.request;
        request.filters = c.filters;
        auto result = std::make_shared<AnagrResult>();
        f.app->random.SeedFrom(4);
        EXPECT_EQ(Search(f, request, c.option, result), c.lines);
        if (c.found >= 0) {
            EXPECT_EQ(Found(), c.found);
        }
        if (c.tot) {
            EXPECT_EQ(CandidateCountCaption(result->candidateWords), c.tot);
        }
    }
}

TEST_F(AnagramTest, AStopRequestEndsTheSearchAtOnce) {
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
    RunGame(*f.app, f.app->Get<AnagrGame>().Job({.phrase = "abrecasaroma"}, kAnagramSearch));
    EXPECT_EQ(stopper.Lines().size(), 1u);
}

TEST_F(AnagramTest, LongPhrasesFindAnagramsByRandomHalves) {
    // 30 letters.
    Lines lines = Search(f, {.phrase = "roma roma roma roma roma roma amor ab", .resultLimit = 5});
    ASSERT_FALSE(lines.empty());
    EXPECT_GE(Found(), 5);
    for (const std::string& line : lines) EXPECT_EQ(line.back(), ' ');
}

using Counts = std::array<int, 26>;

Counts CountsOf(const std::string& text) {
    Counts c{};
    for (char ch : text)
        if (ch >= 'a' && ch <= 'z') ++c[ch - 'a'];
    return c;
}

// Each line as its words in sorted order, the lines sorted: what the search
// finds, whatever order it prints it in.
Lines AsWordSets(const Lines& lines) {
    Lines sets;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        Lines words{std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
        std::sort(words.begin(), words.end());
        std::string joined;
        for (const std::string& w : words) joined += w + ' ';
        sets.push_back(joined);
    }
    std::sort(sets.begin(), sets.end());
    return sets;
}

// Every expanded line by brute force: each multiset of anagram classes that
// covers the letters, then each choice of one word per chosen class.
void CoverByBruteForce(const std::vector<Lines>& classes, size_t from, Counts left, int lettersLeft,
                       const Lines& chosen, const AnagrRequest& r, Lines& out) {
    const int n = static_cast<int>(chosen.size());
    if (lettersLeft == 0) {
        if (n >= r.minWords) out.push_back(std::accumulate(chosen.begin(), chosen.end(), std::string()));
        return;
    }
    if (n == r.maxWords) return;
    for (size_t c = from; c < classes.size(); ++c) {
        const std::string& word = classes[c][0];
        if (static_cast<int>(word.size()) < r.minWordLength) continue;
        Counts rest = left;
        bool fits = true;
        for (char ch : word) fits &= --rest[ch - 'a'] >= 0;
        if (!fits) continue;
        for (const std::string& w : classes[c]) {
            Lines more = chosen;
            more.push_back(w + ' ');
            CoverByBruteForce(classes, c, rest, lettersLeft - static_cast<int>(word.size()), more, r, out);
        }
    }
}

TEST(AnagramEnumerationTest, FindsWhatABruteForceFindsWithEachCountOfWords) {
    const Lines words = {"a",    "o",    "l",     "ar",    "ra",    "al",    "la",    "ma",    "am",
                         "po",   "co",   "oca",   "ora",   "ala",   "pro",   "ramo",  "roma",  "amor",
                         "mora", "orca", "arco",  "polo",  "capo",  "molo",  "mola",  "campo", "carpo",
                         "marco", "porco", "lampo", "palco", "colpa", "alcol", "calmo", "ampolla"};
    std::map<std::string, Lines> byLetters;
    for (const std::string& w : words) {
        std::string key = w;
        std::sort(key.begin(), key.end());
        byLetters[key].push_back(w);
    }
    std::vector<Lines> classes;
    for (auto& [key, group] : byLetters) classes.push_back(group);
    Fixture f;
    f.LoadDefault(words);
    const AnagrRequest requests[] = {
        {.phrase = "marcopolo", .maxWords = 1}, {.phrase = "marcopolo", .maxWords = 2},
        {.phrase = "marcopolo", .maxWords = 3}, {.phrase = "marcopolo", .maxWords = 4},
        {.phrase = "marcopolo", .maxWords = 5}, {.phrase = "marcopolo"},
        {.phrase = "marcopolo", .minWords = 3, .maxWords = 4}, {.phrase = "marcopolo", .minWordLength = 2},
        {.phrase = "ampolla marco", .maxWords = 3}, {.phrase = "ampolla marco", .minWords = 4},
        {.phrase = "calmo polo", .minWordLength = 3, .maxWords = 4},
    };
    for (AnagrRequest r : requests) {
        SCOPED_TRACE(r.phrase + " " + std::to_string(r.minWords) + "-" + std::to_string(r.maxWords));
        r.compactOutput = false;
        r.resultLimit = -1;
        Lines expected;
        CoverByBruteForce(classes, 0, CountsOf(r.phrase), static_cast<int>(r.phrase.size()) -
                          static_cast<int>(std::count(r.phrase.begin(), r.phrase.end(), ' ')), {}, r, expected);
        EXPECT_EQ(AsWordSets(Search(f, r)), AsWordSets(expected));
    }
}

// Runs the anagram search of `phrase`, pressing "Stop !" only if it has not
// ended by itself after 20 seconds; returns its lines and whether it ended.
std::pair<Lines, bool> SearchUnlessStuck(Fixture& f, const std::string& phrase) {
    auto search = std::async(std::launch::async, [&] { return Search(f, {.phrase = phrase}); });
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
