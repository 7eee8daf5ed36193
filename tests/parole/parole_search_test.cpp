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

using Lines = std::vector<std::string>;

const Lines kClosing = {std::string(kSeparatorLine), "Fine Ricerca"};

Lines Closed(Lines lines) {
    lines.insert(lines.end(), kClosing.begin(), kClosing.end());
    return lines;
}

class ParoleSearchTest : public ::testing::Test {
protected:
    // Runs the page as "Genera" does: game 2, option 8.
    Lines Run(const ParolePage& page) {
        f.app->Get<ParoleGame>().filters.page = page;
        f.sink.Reset();
        status = RunGame(*f.app, kGameParole, 0);
        return f.sink.Lines();
    }
    Lines RunPattern(const std::string& pattern) {
        ParolePage page;
        page.Pattern = pattern;
        return Run(page);
    }

    test::Fixture f;
    int status = -1;
};

TEST_F(ParoleSearchTest, DefaultsListTheWholeDictionaryInOrder) {
    f.LoadDefault({"rosa", "casa", "a", "abbastanza"});
    EXPECT_EQ(Run(ParolePage{}), Closed({"a", "abbastanza", "casa", "rosa"}));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(f.app->state.FoundCount, 4);
}

TEST_F(ParoleSearchTest, LengthsBoundTheWords) {
    f.LoadDefault({"a", "ab", "abc", "abcd", "abcde"});
    ParolePage page;
    page.EdMiLun = "2";
    page.EdMxLun = "3";
    EXPECT_EQ(Run(page), Closed({"ab", "abc"}));
    // Not a number: 0 for the least length, 41 for the greatest.
    page.EdMiLun = "x";
    page.EdMxLun = "";
    EXPECT_EQ(Run(page), Closed({"a", "ab", "abc", "abcd", "abcde"}));
    page.EdMiLun = "4";
    page.EdMxLun = "3";
    EXPECT_EQ(Run(page), Closed({"ERRORE: la lunghezza minima non puo' essere maggiore della",
                                 "        lunghezza massima !"}));
    EXPECT_EQ(status, 1);
}

TEST_F(ParoleSearchTest, OnlyTheGivenLettersWithTheirMultiplicity) {
    f.LoadDefault({"a", "ac", "aca", "acca", "b", "cc", "caa", "aaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa"});
    ParolePage page;
    page.SoloBx = true;
    page.SoloEd = "2\xC0 c!";
    EXPECT_EQ(Run(page), Closed({"a", "ac", "aca", "caa"}));
    EXPECT_EQ(f.app->Get<ParoleGame>().filters.page.SoloEd, "2ac");
    // At most 15 of one letter, however many are asked for.
    page.SoloEd.clear();
    for (int k = 0; k < 30; ++k) page.SoloEd += "9a";
    EXPECT_EQ(Run(page), Closed({"a", "aaaaaaaaaaaaaaa"}));
    // The box unchecked: the letters are not used.
    page.SoloBx = false;
    EXPECT_EQ(Run(page).size(), 9u + 2u);
}

TEST_F(ParoleSearchTest, ADigitMustBeFollowedByALetter) {
    f.LoadDefault({"a", "b", "c"});
    for (std::string letters : {"a2", "22a", "2 3b"}) {
        ParolePage page;
        page.SoloBx = true;
        page.SoloEd = letters;
        EXPECT_EQ(Run(page), Closed({"Errore in <Usa solo lettere>", ""})) << letters;
        EXPECT_EQ(status, 1);
    }
}

TEST_F(ParoleSearchTest, ObligatoryAndForbiddenGroups) {
    f.LoadDefault({"casa", "cassa", "cane", "canestro", "barca", "arco"});
    ParolePage page;
    page.EdObbligati = "  CA  ";
    page.EdProibiti = "s";
    EXPECT_EQ(Run(page), Closed({"barca", "cane"}));
    EXPECT_EQ(f.app->Get<ParoleGame>().filters.page.EdObbligati, "  ca  ");
    page.EdObbligati = "a c r";
    page.EdProibiti = "";
    EXPECT_EQ(Run(page), Closed({"arco", "barca", "canestro"}));

    const Lines tooMany = Closed({"I gruppi devono essere max 9 di max 9 lettere"});
    page.EdObbligati = "a b c d e f g h i";
    page.EdProibiti = "abcdefghi";
    EXPECT_EQ(Run(page), Closed({}));
    page.EdObbligati = "a b c d e f g h i j";
    EXPECT_EQ(Run(page), tooMany);
    page.EdObbligati = "";
    page.EdProibiti = "abcdefghij";
    EXPECT_EQ(Run(page), tooMany);
    // The groups are checked before the lengths and the patterns.
    page.EdMiLun = "9";
    page.EdMxLun = "1";
    page.Pattern = "a0";
    EXPECT_EQ(Run(page), tooMany);
}

TEST_F(ParoleSearchTest, ModesAndTheirJoin) {
    f.LoadDefault({"casa", "cosa", "rosa", "roma", "amor", "orma"});
    ParolePage page;
    page.Pattern = "*a";
    page.BuSodd1 = "non soddisfa";
    EXPECT_EQ(Run(page), Closed({"amor"}));
    page.Pattern = "ro*";
    EXPECT_EQ(Run(page), Closed({"amor", "casa", "cosa", "orma"}));
    page.BuSodd1 = "..ignora..";
    page.Pattern = "a0";  // an ignored pattern is not compiled
    EXPECT_EQ(Run(page).size(), 6u + 2u);

    page.Pattern = "c*";
    page.BuSodd1 = "soddisfa";
    page.Pattern2 = "*sa";
    page.BuSodd2 = "soddisfa";
    EXPECT_EQ(Run(page), Closed({"casa", "cosa"}));
    page.EOBott = "o";
    EXPECT_EQ(Run(page), Closed({"casa", "cosa", "rosa"}));
    page.BuSodd2 = "non soddisfa";
    EXPECT_EQ(Run(page), Closed({"amor", "casa", "cosa", "orma", "roma"}));
    page.BuSodd1 = "..ignora..";
    EXPECT_EQ(Run(page), Closed({"amor", "orma", "roma"}));
    page.Pattern2 = "|ro|*";
    page.BuSodd2 = "soddisfa";
    EXPECT_EQ(Run(page), Closed({"roma", "rosa"}));
    // An empty second pattern that is not ignored matches no word.
    page.BuSodd1 = "soddisfa";
    page.EOBott = "e";
    page.Pattern2 = "";
    page.BuSodd2 = "soddisfa";
    EXPECT_EQ(Run(page), Closed({}));
    EXPECT_EQ(status, 0);
}

TEST_F(ParoleSearchTest, DerivedWordsOnlyForAPatternThatMatchedTheWord) {
    f.LoadDefault({"roma", "amor", "or", "ro", "rosa"});
    ParolePage page;
    page.Pattern = "|*|, e |r1";
    EXPECT_EQ(Run(page), Closed({"amor -> roma", "or -> ro", "ro -> or", "roma -> amor"}));
    page.BuSodd1 = "non soddisfa";
    EXPECT_EQ(Run(page), Closed({"rosa"}));

    page.Pattern = "r*";
    page.BuSodd1 = "soddisfa";
    page.Pattern2 = "|*|, e |r1";
    page.BuSodd2 = "soddisfa";
    page.EOBott = "o";
    // "o": once the first pattern passes the second is not tried.
    EXPECT_EQ(Run(page), Closed({"amor -> roma", "or -> ro", "ro", "roma", "rosa"}));
    page.EOBott = "e";
    EXPECT_EQ(Run(page), Closed({"ro -> or", "roma -> amor"}));
    page.Pattern = "@1*, e #1";
    EXPECT_EQ(Run(page), Closed({"amor -> roma -> roma", "or -> ro -> ro", "ro -> or -> or", "roma -> or -> amor"}));
}

TEST_F(ParoleSearchTest, ShortCircuitsLeaveTheOtherPatternUntried) {
    f.LoadDefault({"roma", "amor", "ro"});
    App& app = *f.app;
    ParolePage page;
    page.Pattern = "x*";
    page.Pattern2 = "|*|, e |1";
    page.BuSodd2 = "soddisfa";
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

TEST_F(ParoleSearchTest, PatternErrorsFollowTheCompilersLines) {
    f.LoadDefault({"casa", "cosa", "rosa"});
    EXPECT_EQ(RunPattern("a)"), Closed({"ERRORE nel primo pattern"}));
    EXPECT_EQ(status, 1);
    ParolePage page;
    page.Pattern2 = "*, @124";
    page.BuSodd2 = "non soddisfa";
    EXPECT_EQ(Run(page), Closed({"Le limitazioni sulle lunghezze dei pattern vanno indicate",
                                 "con  @pxy (es. @124) dove p e' il numero del pattern e",
                                 "x e y tra 1 e 9 sono lunghezza min e max (max=0 indica max=40)",
                                 "ERRORE nel secondo pattern"}));
}

TEST_F(ParoleSearchTest, FieldsKeepTheirNormalisedTexts) {
    f.LoadDefault({"casa", "cosa", "rosa"});
    ParolePage page;
    page.Pattern = "\xE7?s\xC0 $%";  // c-cedilla, then an A-grave that is a keypad letter
    page.Pattern2 = "\"*\"";
    page.EdProibiti = "\xC8O; x";
    EXPECT_EQ(Run(page), Closed({"casa", "cosa"}));
    EXPECT_EQ(f.app->Get<ParoleGame>().filters.page.Pattern, "c?sA ");
    EXPECT_EQ(f.app->Get<ParoleGame>().filters.page.Pattern2, "*");
    EXPECT_EQ(f.app->Get<ParoleGame>().filters.page.EdProibiti, "eo x");
}

// A pattern of fixed length is searched among the words of that length only:
// the lines must be those of a walk over all the words in byte order.
TEST_F(ParoleSearchTest, FixedLengthPatternsComeOutInByteOrderWithTheirDerivedWords) {
    // Many long words, few of four letters, stored in class order (not byte order).
    std::vector<std::string> words = {"otto", "anna", "alla", "ossa", "abba", "ebbe", "osso", "asso", "ecce"};
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; b += 5) words.push_back(std::string("lunghissima") + a + b);
    f.LoadDefault(words);
    EXPECT_EQ(RunPattern("1221"), Closed({"abba", "alla", "anna", "ebbe", "ecce", "osso", "otto"}));
    EXPECT_EQ(RunPattern("|????|, e |r1"),  // four letters whose reverse is a word
              Closed({"abba -> abba", "alla -> alla", "anna -> anna", "asso -> ossa", "ebbe -> ebbe", "ecce -> ecce",
                      "ossa -> asso", "osso -> osso", "otto -> otto"}));
}

TEST_F(ParoleSearchTest, StopsAfter10001Lines) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z' && words.size() < 10005; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            for (char c = 'a'; c <= 'z' && words.size() < 10005; ++c) words.push_back({a, b, c});
    f.LoadDefault(words);
    Lines lines = Run(ParolePage{});
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
