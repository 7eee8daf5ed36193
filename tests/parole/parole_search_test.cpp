// The "Parole" page's search, end to end on tiny dictionaries: the lines it
// prints for the page's filters, its errors and its limit; and the page's ticker.

#include "parole/parole_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_game.h"
#include "base/output.h"
#include "patterns/parole_page_record.h"
#include "patterns/pattern_filter.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

// The pages of the tables below name only the fields they change.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using Lines = std::vector<std::string>;

const Lines kClosing = {std::string(kSeparatorLine), "Fine Ricerca"};

Lines Closed(Lines lines) {
    lines.insert(lines.end(), kClosing.begin(), kClosing.end());
    return lines;
}

class ParoleSearchTest : public ::testing::Test {
protected:
    // Runs the page as "Genera" does: game 2, option 8.
    Lines Run(const ParoleControls& page) {
        f.app->Get<ParoleGame>().filters.page = page;
        f.sink.Reset();
        status = RunGame<ParoleGame>(*f.app, 0);
        return f.sink.Lines();
    }

    test::Fixture f;
    int status = -1;
};

// One page and the lines it prints before the closing ones.
struct PageCase {
    const std::vector<std::string>* words;
    ParoleControls page;
    Lines lines;
    int status = 0;
};

const std::vector<std::string> kLengths = {"a", "ab", "abc", "abcd", "abcde"};
const std::vector<std::string> kLetters = {"a", "ac", "aca", "acca", "b", "cc", "caa", "aaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa"};
const std::vector<std::string> kGroups = {"casa", "cassa", "cane", "canestro", "barca", "arco"};
const std::vector<std::string> kModes = {"casa", "cosa", "rosa", "roma", "amor", "orma"};
const std::vector<std::string> kDerived = {"roma", "amor", "or", "ro", "rosa"};
// Many long words, few of four letters, stored in class order (not byte order).
const std::vector<std::string> kFixed = [] {
    std::vector<std::string> words = {"otto", "anna", "alla", "ossa", "abba", "ebbe", "osso", "asso", "ecce"};
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; b += 5) words.push_back(std::string("lunghissima") + a + b);
    return words;
}();
const std::string kSixtyNines = [] {
    std::string s;
    for (int k = 0; k < 30; ++k) s += "9a";
    return s;
}();
const Lines kTooMany = {"I gruppi devono essere max 9 di max 9 lettere"};
const std::string kNon = "non soddisfa", kIgnore = "..ignora..", kYes = "soddisfa";

const PageCase kPageCases[] = {
    {&kLengths, {}, {"a", "ab", "abc", "abcd", "abcde"}},
    {&kLengths, {.EdMiLun = "2", .EdMxLun = "3"}, {"ab", "abc"}},
    // Not a number: 0 for the least length, 41 for the greatest.
    {&kLengths, {.EdMiLun = "x", .EdMxLun = ""}, {"a", "ab", "abc", "abcd", "abcde"}},
    {&kLengths, {.EdMiLun = "4", .EdMxLun = "3"},
     {"ERRORE: la lunghezza minima non puo' essere maggiore della", "        lunghezza massima !"}, 1},
    // Only the given letters, with their multiplicity; at most 15 of one letter however many are asked for.
    {&kLetters, {.SoloBx = true, .SoloEd = "2\xC0 c!"}, {"a", "ac", "aca", "caa"}},
    {&kLetters, {.SoloBx = true, .SoloEd = kSixtyNines}, {"a", "aaaaaaaaaaaaaaa"}},
    {&kLetters, {.SoloBx = false, .SoloEd = "a"},
     {"a", "aaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa", "ac", "aca", "acca", "b", "caa", "cc"}},
    // A digit must be followed by a letter.
    {&kLetters, {.SoloBx = true, .SoloEd = "a2"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kLetters, {.SoloBx = true, .SoloEd = "22a"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kLetters, {.SoloBx = true, .SoloEd = "2 3b"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kGroups, {.EdObbligati = "  CA  ", .EdProibiti = "s"}, {"barca", "cane"}},
    {&kGroups, {.EdObbligati = "a c r"}, {"arco", "barca", "canestro"}},
    {&kGroups, {.EdObbligati = "a b c d e f g h i", .EdProibiti = "abcdefghi"}, {}},
    {&kGroups, {.EdObbligati = "a b c d e f g h i j"}, kTooMany, 1},
    {&kGroups, {.EdProibiti = "abcdefghij"}, kTooMany, 1},
    // The groups are checked before the lengths and the patterns.
    {&kGroups, {.EdProibiti = "abcdefghij", .EdMiLun = "9", .EdMxLun = "1", .Pattern = "a0"}, kTooMany, 1},
    {&kModes, {.Pattern = "*a", .BuSodd1 = kNon}, {"amor"}},
    {&kModes, {.Pattern = "ro*", .BuSodd1 = kNon}, {"amor", "casa", "cosa", "orma"}},
    // An ignored pattern is not compiled.
    {&kModes, {.Pattern = "a0", .BuSodd1 = kIgnore}, {"amor", "casa", "cosa", "orma", "roma", "rosa"}},
    {&kModes, {.Pattern = "c*", .Pattern2 = "*sa", .BuSodd2 = kYes}, {"casa", "cosa"}},
    {&kModes, {.Pattern = "c*", .Pattern2 = "*sa", .BuSodd2 = kYes, .EOBott = "o"}, {"casa", "cosa", "rosa"}},
    {&kModes, {.Pattern = "c*", .Pattern2 = "*sa", .BuSodd2 = kNon, .EOBott = "o"},
     {"amor", "casa", "cosa", "orma", "roma"}},
    {&kModes, {.Pattern = "c*", .Pattern2 = "*sa", .BuSodd1 = kIgnore, .BuSodd2 = kNon, .EOBott = "o"},
     {"amor", "orma", "roma"}},
    {&kModes, {.Pattern = "c*", .Pattern2 = "|ro|*", .BuSodd1 = kIgnore, .BuSodd2 = kYes, .EOBott = "o"},
     {"roma", "rosa"}},
    // An empty second pattern that is not ignored matches no word.
    {&kModes, {.Pattern = "c*", .Pattern2 = "", .BuSodd2 = kYes}, {}},
    // Derived words only for a pattern that matched the word.
    {&kDerived, {.Pattern = "|*|, e |r1"}, {"amor -> roma", "or -> ro", "ro -> or", "roma -> amor"}},
    {&kDerived, {.Pattern = "|*|, e |r1", .BuSodd1 = kNon}, {"rosa"}},
    // "o": once the first pattern passes the second is not tried.
    {&kDerived, {.Pattern = "r*", .Pattern2 = "|*|, e |r1", .BuSodd2 = kYes, .EOBott = "o"},
     {"amor -> roma", "or -> ro", "ro", "roma", "rosa"}},
    {&kDerived, {.Pattern = "r*", .Pattern2 = "|*|, e |r1", .BuSodd2 = kYes}, {"ro -> or", "roma -> amor"}},
    {&kDerived, {.Pattern = "@1*, e #1", .Pattern2 = "|*|, e |r1", .BuSodd2 = kYes},
     {"amor -> roma -> roma", "or -> ro -> ro", "ro -> or -> or", "roma -> or -> amor"}},
    // Pattern errors follow the compiler's lines.
    {&kModes, {.Pattern = "a)"}, {"ERRORE nel primo pattern"}, 1},
    {&kModes, {.Pattern2 = "*, @124", .BuSodd2 = kNon},
     {"Le limitazioni sulle lunghezze dei pattern vanno indicate",
      "con  @pxy (es. @124) dove p e' il numero del pattern e",
      "x e y tra 1 e 9 sono lunghezza min e max (max=0 indica max=40)", "ERRORE nel secondo pattern"},
     1},
    // A pattern of fixed length is searched among the words of that length
    // only: the lines must be those of a walk over all the words in byte order.
    {&kFixed, {.Pattern = "1221"}, {"abba", "alla", "anna", "ebbe", "ecce", "osso", "otto"}},
    {&kFixed, {.Pattern = "|????|, e |r1"},  // four letters whose reverse is a word
     {"abba -> abba", "alla -> alla", "anna -> anna", "asso -> ossa", "ebbe -> ebbe", "ecce -> ecce", "ossa -> asso",
      "osso -> osso", "otto -> otto"}},
    // c-cedilla, then an A-grave that is a keypad letter; quotes go.
    {&kModes, {.EdProibiti = "\xC8O; x", .Pattern = "\xE7?s\xC0 $%", .Pattern2 = "\"*\""}, {"casa", "cosa"}},
};

TEST_F(ParoleSearchTest, EachPagePrintsItsLinesThenTheClosingOnes) {
    const std::vector<std::string>* loaded = nullptr;
    for (const PageCase& c : kPageCases) {
        if (c.words != loaded) f.LoadDefault(*(loaded = c.words));
        const size_t row = &c - kPageCases;
        EXPECT_EQ(Run(c.page), Closed(c.lines)) << "row " << row;
        EXPECT_EQ(status, c.status) << "row " << row;
        if (c.status == 0) {
            EXPECT_EQ(f.app->state.FoundCount, static_cast<int>(c.lines.size())) << "row " << row;
        }
    }
}

TEST_F(ParoleSearchTest, FieldsKeepTheirNormalisedTexts) {
    f.LoadDefault(kModes);
    Run({.SoloBx = true, .SoloEd = "2\xC0 c!", .EdObbligati = "  CA  ", .EdProibiti = "\xC8O; x",
         .Pattern = "\xE7?s\xC0 $%", .Pattern2 = "\"*\""});
    const ParoleControls& record = f.app->Get<ParoleGame>().filters.page;
    EXPECT_EQ(record.SoloEd, "2ac");
    EXPECT_EQ(record.EdObbligati, "  ca  ");
    EXPECT_EQ(record.EdProibiti, "eo x");
    EXPECT_EQ(record.Pattern, "c?sA ");
    EXPECT_EQ(record.Pattern2, "*");
}

TEST_F(ParoleSearchTest, ShortCircuitsLeaveTheOtherPatternUntried) {
    f.LoadDefault({"roma", "amor", "ro"});
    App& app = *f.app;
    ParoleControls page{.Pattern = "x*", .Pattern2 = "|*|, e |1", .BuSodd2 = "soddisfa"};
    PatternFilter& filter = app.Get<ParoleGame>().filters.filter;
    ASSERT_TRUE(SetupPatternFilter(filter, page, app.out));
    constexpr int32_t kUntried = -77;  // a match always rewrites the derived slot
    filter.SecondPattern.derivedWord = kUntried;
    EXPECT_FALSE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, kUntried);

    page.Pattern = "r*";
    page.EOBott = "o";
    ASSERT_TRUE(SetupPatternFilter(filter, page, app.out));
    filter.SecondPattern.derivedWord = kUntried;
    EXPECT_TRUE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, kUntried);
    page.Pattern = "x*";
    ASSERT_TRUE(SetupPatternFilter(filter, page, app.out));
    EXPECT_TRUE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, app.dict.FindWord("roma"));
}

TEST_F(ParoleSearchTest, StopsAfter10001Lines) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z' && words.size() < 10005; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            for (char c = 'a'; c <= 'z' && words.size() < 10005; ++c) words.push_back({a, b, c});
    f.LoadDefault(words);
    Lines lines = Run(ParoleControls{});
    ASSERT_EQ(lines.size(), 10001u + 2u);
    EXPECT_EQ(lines[10000], words[10000]);
    EXPECT_EQ(f.app->state.FoundCount, 10001);
    EXPECT_EQ(lines[10001], kSeparatorLine);
}

TEST_F(ParoleSearchTest, AStopRequestEndsTheVisit) {
    f.LoadDefault({"casa", "cosa", "rosa"});
    f.app->state.StopRequested = true;
    GameContext ctx = f.app->Context();
    EXPECT_EQ(ParoleSearch(ctx, f.app->Get<ParoleGame>().filters), 0);
    EXPECT_TRUE(f.sink.Lines().empty());
}

TEST(ParolePageRecord, TickerShows65CharactersAndWrapsAroundTheText) {
    ASSERT_EQ(kSpiegaParText.size(), 200u);
    EXPECT_EQ(SpiegaParWindow(0), std::string(kSpiegaParText.substr(0, 65)));
    EXPECT_EQ(SpiegaParWindow(150), std::string(kSpiegaParText.substr(150)) + std::string(kSpiegaParText.substr(0, 15)));
    int offset = 0;
    for (int tick = 0; tick < 199; ++tick) offset = NextSpiegaParOffset(offset);
    EXPECT_EQ(offset, 199);
    EXPECT_EQ(NextSpiegaParOffset(offset), 0);
}

}  // namespace
}  // namespace sillabor
