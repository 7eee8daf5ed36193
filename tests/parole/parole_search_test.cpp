// The "Parole" page's search, end to end on tiny dictionaries: the lines it
// prints for the page's requests, its refusals and its limit, the texts it
// gives back; the reading of the length fields and the page's ticker.

#include "parole/parole_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_game.h"
#include "base/output.h"
#include "parole/parole_game.h"
#include "patterns/parole_page_rules.h"
#include "patterns/parole_request.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

// The requests of the tables below name only the fields they change.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using Lines = std::vector<std::string>;

const Lines kClosing = {std::string(kSeparatorLine), "Fine Ricerca"};

Lines Closed(Lines lines) {
    lines.insert(lines.end(), kClosing.begin(), kClosing.end());
    return lines;
}

class ParoleSearchTest : public ::testing::Test {
protected:
    // Runs the request as the page's "Cerca" does.
    Lines Run(const ParoleRequest& request) {
        result = std::make_shared<ParoleResult>();
        f.sink.Reset();
        status = RunGame(*f.app, f.app->Get<ParoleGame>().Job(request, result));
        return f.sink.Lines();
    }

    test::Fixture f;
    int status = -1;
    std::shared_ptr<ParoleResult> result;
};

// One request and the lines it prints before the closing ones.
struct RequestCase {
    const std::vector<std::string>* words;
    ParoleRequest request;
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
constexpr PatternMode kNon = kMustNotSatisfy, kIgnore = kPatternIgnored, kYes = kMustSatisfy;

const RequestCase kRequestCases[] = {
    {&kLengths, {}, {"a", "ab", "abc", "abcd", "abcde"}},
    {&kLengths, {.minLength = 2, .maxLength = 3}, {"ab", "abc"}},
    // A field without a number: 0 for the least length, 41 for the greatest.
    {&kLengths, {.minLength = std::nullopt, .maxLength = std::nullopt}, {"a", "ab", "abc", "abcd", "abcde"}},
    {&kLengths, {.minLength = 4, .maxLength = 3},
     {"ERRORE: la lunghezza minima non puo' essere maggiore della", "        lunghezza massima !"}, 1},
    // Only the given letters, with their multiplicity; at most 15 of one letter however many are asked for.
    {&kLetters, {.onlyLetters = true, .letters = "2\xC0 c!"}, {"a", "ac", "aca", "caa"}},
    {&kLetters, {.onlyLetters = true, .letters = kSixtyNines}, {"a", "aaaaaaaaaaaaaaa"}},
    {&kLetters, {.onlyLetters = false, .letters = "a"},
     {"a", "aaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa", "ac", "aca", "acca", "b", "caa", "cc"}},
    // A digit must be followed by a letter.
    {&kLetters, {.onlyLetters = true, .letters = "a2"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kLetters, {.onlyLetters = true, .letters = "22a"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kLetters, {.onlyLetters = true, .letters = "2 3b"}, {"Errore in <Usa solo lettere>", ""}, 1},
    {&kGroups, {.requiredGroups = "  CA  ", .forbiddenGroups = "s"}, {"barca", "cane"}},
    {&kGroups, {.requiredGroups = "a c r"}, {"arco", "barca", "canestro"}},
    {&kGroups, {.requiredGroups = "a b c d e f g h i", .forbiddenGroups = "abcdefghi"}, {}},
    {&kGroups, {.requiredGroups = "a b c d e f g h i j"}, kTooMany, 1},
    {&kGroups, {.forbiddenGroups = "abcdefghij"}, kTooMany, 1},
    // The groups are checked before the lengths and the patterns.
    {&kGroups, {.forbiddenGroups = "abcdefghij", .minLength = 9, .maxLength = 1, .firstPattern = "a0"}, kTooMany, 1},
    {&kModes, {.firstPattern = "*a", .firstMode = kNon}, {"amor"}},
    {&kModes, {.firstPattern = "ro*", .firstMode = kNon}, {"amor", "casa", "cosa", "orma"}},
    // An ignored pattern is not compiled.
    {&kModes, {.firstPattern = "a0", .firstMode = kIgnore}, {"amor", "casa", "cosa", "orma", "roma", "rosa"}},
    {&kModes, {.firstPattern = "c*", .secondPattern = "*sa", .secondMode = kYes}, {"casa", "cosa"}},
    {&kModes, {.firstPattern = "c*", .secondPattern = "*sa", .secondMode = kYes, .eitherPattern = true},
     {"casa", "cosa", "rosa"}},
    {&kModes, {.firstPattern = "c*", .secondPattern = "*sa", .secondMode = kNon, .eitherPattern = true},
     {"amor", "casa", "cosa", "orma", "roma"}},
    {&kModes,
     {.firstPattern = "c*", .secondPattern = "*sa", .firstMode = kIgnore, .secondMode = kNon, .eitherPattern = true},
     {"amor", "orma", "roma"}},
    {&kModes,
     {.firstPattern = "c*", .secondPattern = "|ro|*", .firstMode = kIgnore, .secondMode = kYes, .eitherPattern = true},
     {"roma", "rosa"}},
    // An empty second pattern that is not ignored matches no word.
    {&kModes, {.firstPattern = "c*", .secondPattern = "", .secondMode = kYes}, {}},
    // Derived words only for a pattern that matched the word.
    {&kDerived, {.firstPattern = "|*|, e |r1"}, {"amor -> roma", "or -> ro", "ro -> or", "roma -> amor"}},
    {&kDerived, {.firstPattern = "|*|, e |r1", .firstMode = kNon}, {"rosa"}},
    // "o": once the first pattern passes the second is not tried.
    {&kDerived, {.firstPattern = "r*", .secondPattern = "|*|, e |r1", .secondMode = kYes, .eitherPattern = true},
     {"amor -> roma", "or -> ro", "ro", "roma", "rosa"}},
    {&kDerived, {.firstPattern = "r*", .secondPattern = "|*|, e |r1", .secondMode = kYes},
     {"ro -> or", "roma -> amor"}},
    {&kDerived, {.firstPattern = "@1*, e #1", .secondPattern = "|*|, e |r1", .secondMode = kYes},
     {"amor -> roma -> roma", "or -> ro -> ro", "ro -> or -> or", "roma -> or -> amor"}},
    // Pattern errors follow the compiler's lines.
    {&kModes, {.firstPattern = "a)"}, {"ERRORE nel primo pattern"}, 1},
    {&kModes, {.secondPattern = "*, @124", .secondMode = kNon},
     {"Le limitazioni sulle lunghezze dei pattern vanno indicate",
      "con  @pxy (es. @124) dove p e' il numero del pattern e",
      "x e y tra 1 e 9 sono lunghezza min e max (max=0 indica max=40)", "ERRORE nel secondo pattern"},
     1},
    // A pattern of fixed length is searched among the words of that length
    // only: the lines must be those of a walk over all the words in byte order.
    {&kFixed, {.firstPattern = "1221"}, {"abba", "alla", "anna", "ebbe", "ecce", "osso", "otto"}},
    {&kFixed, {.firstPattern = "|????|, e |r1"},  // four letters whose reverse is a word
     {"abba -> abba", "alla -> alla", "anna -> anna", "asso -> ossa", "ebbe -> ebbe", "ecce -> ecce", "ossa -> asso",
      "osso -> osso", "otto -> otto"}},
    // c-cedilla, then an A-grave that is a keypad letter; quotes go.
    {&kModes, {.forbiddenGroups = "\xC8O; x", .firstPattern = "\xE7?s\xC0 $%", .secondPattern = "\"*\""},
     {"casa", "cosa"}},
};

TEST_F(ParoleSearchTest, EachRequestPrintsItsLinesThenTheClosingOnes) {
    const std::vector<std::string>* loaded = nullptr;
    for (const RequestCase& c : kRequestCases) {
        if (c.words != loaded) f.LoadDefault(*(loaded = c.words));
        const size_t row = &c - kRequestCases;
        EXPECT_EQ(Run(c.request), Closed(c.lines)) << "row " << row;
        EXPECT_EQ(status, c.status) << "row " << row;
        if (c.status == 0) {
            EXPECT_EQ(f.app->state.FoundCount, static_cast<int>(c.lines.size())) << "row " << row;
        }
    }
}

TEST_F(ParoleSearchTest, TheResultGivesTheFieldsAsTheFilterReadThem) {
    f.LoadDefault(kModes);
    Run({.onlyLetters = true, .letters = "2\xC0 c!", .requiredGroups = "  CA  ", .forbiddenGroups = "\xC8O; x",
         .firstPattern = "\xE7?s\xC0 $%", .secondPattern = "\"*\""});
    ASSERT_TRUE(result->fields);
    EXPECT_EQ(result->fields->letters, "2ac");
    EXPECT_EQ(result->fields->requiredGroups, "  ca  ");
    EXPECT_EQ(result->fields->forbiddenGroups, "eo x");
    EXPECT_EQ(result->fields->firstPattern, "c?sA ");
    EXPECT_EQ(result->fields->secondPattern, "*");
    // Letters that do not read stop the reading: the other fields stay as typed.
    Run({.onlyLetters = true, .letters = "A2", .requiredGroups = "CA"});
    ASSERT_TRUE(result->fields);
    EXPECT_EQ(result->fields->letters, "a2");
    EXPECT_EQ(result->fields->requiredGroups, "CA");
}

TEST_F(ParoleSearchTest, ShortCircuitsLeaveTheOtherPatternUntried) {
    f.LoadDefault({"roma", "amor", "ro"});
    App& app = *f.app;
    ParoleRequest request{.firstPattern = "x*", .secondPattern = "|*|, e |1", .secondMode = kMustSatisfy};
    PatternFilter filter;
    ASSERT_TRUE(CompileWordFilter(request, filter).empty());
    constexpr int32_t kUntried = -77;  // a match always rewrites the derived slot
    filter.SecondPattern.derivedWord = kUntried;
    EXPECT_FALSE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, kUntried);

    request.firstPattern = "r*";
    request.eitherPattern = true;
    ASSERT_TRUE(CompileWordFilter(request, filter).empty());
    filter.SecondPattern.derivedWord = kUntried;
    EXPECT_TRUE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, kUntried);
    request.firstPattern = "x*";
    ASSERT_TRUE(CompileWordFilter(request, filter).empty());
    EXPECT_TRUE(WordPassesFilter(filter, "roma", app.dict));
    EXPECT_EQ(filter.SecondPattern.derivedWord, app.dict.FindWord("roma"));
}

TEST_F(ParoleSearchTest, StopsAfter10001Lines) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z' && words.size() < 10005; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            for (char c = 'a'; c <= 'z' && words.size() < 10005; ++c) words.push_back({a, b, c});
    f.LoadDefault(words);
    Lines lines = Run(ParoleRequest{});
    ASSERT_EQ(lines.size(), 10001u + 2u);
    EXPECT_EQ(lines[10000], words[10000]);
    EXPECT_EQ(f.app->state.FoundCount, 10001);
    EXPECT_EQ(lines[10001], kSeparatorLine);
}

TEST_F(ParoleSearchTest, AStopRequestEndsTheVisit) {
    f.LoadDefault({"casa", "cosa", "rosa"});
    f.app->state.StopRequested = true;
    PatternFilter filter;
    ASSERT_TRUE(CompileWordFilter(ParoleRequest{}, filter).empty());
    GameContext ctx = f.app->Context();
    EXPECT_EQ(ParoleSearch(ctx, filter), 0);
    EXPECT_TRUE(f.sink.Lines().empty());
}

TEST(ParoleRequest, ALengthFieldHoldsASignedNumberAfterSpacesOrNothing) {
    const struct {
        const char* text;
        std::optional<int32_t> length;
    } cases[] = {{"12", 12},         {"  7", 7},          {"-3", -3},     {"+4", 4},
                 {"-0", 0},          {"", std::nullopt},  {"x", std::nullopt},
                 {"5 ", std::nullopt}, {"-", std::nullopt}, {"1x", std::nullopt},
                 {"2147483647", 2147483647}, {"2147483648", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ParseLengthField(c.text), c.length) << '"' << c.text << '"';
}

TEST(ParolePageRules, TickerShows65CharactersAndWrapsAroundTheText) {
    ASSERT_EQ(kPatternSyntaxText.size(), 200u);
    EXPECT_EQ(PatternSyntaxWindow(0), std::string(kPatternSyntaxText.substr(0, 65)));
    EXPECT_EQ(PatternSyntaxWindow(150),
              std::string(kPatternSyntaxText.substr(150)) + std::string(kPatternSyntaxText.substr(0, 15)));
    int offset = 0;
    for (int tick = 0; tick < 199; ++tick) offset = NextPatternSyntaxOffset(offset);
    EXPECT_EQ(offset, 199);
    EXPECT_EQ(NextPatternSyntaxOffset(offset), 0);
}

}  // namespace
}  // namespace sillabor
