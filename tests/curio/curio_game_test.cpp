// What the thirty reports share: the top list's
// limit and ties, progress modes, the stop, and the word order they need.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "curio/curio_reports.h"
#include "curio/curio_fixture.h"
#include "curio/curio_run.h"

namespace sillabor {
namespace {

struct CurioGameTest : test::CurioTest {};

const std::vector<std::string> kWords = {"a", "ad", "da", "ala", "casa", "cosa", "rosa", "orsa", "amor", "roma"};

TEST_F(CurioGameTest, ReportsOutsideOneToThirtyDoNotExistAndNoneRunWithoutADictionary) {
    for (int code = 1; code <= kCurioReportCount; ++code) EXPECT_EQ(RunGame<CurioGame>(*f.app, code), 0);
    EXPECT_EQ(Printed(), "");
    f.LoadDefault(kWords);
    for (int option : {0, 31, -1}) EXPECT_EQ(RunGame<CurioGame>(*f.app, option), kNoSuchSearch);
    EXPECT_EQ(Printed(), "");
}

TEST_F(CurioGameTest, ProgressCountsClassesOnlyForTheReportsOverClasses) {
    f.LoadDefault(kWords);
    for (int code = 1; code <= kCurioReportCount; ++code) {
        Report(code);
        const bool overClasses = code == kCurioMostAnagrams || code == kCurioMicro || code == kCurioEveryExchange;
        EXPECT_EQ(f.app->state.StatusMode, overClasses ? kStatusInfoClasses : kStatusInfoWords) << code;
    }
}

// More qualifying words than the list keeps: the first 500 of equal score stay,
// and only a higher score pushes the last one out.
TEST_F(CurioGameTest, TheTopListKeepsFiveHundredAndTheFirstOfEqualScores) {
    std::vector<std::string> words;
    for (char x = 'a'; x <= 'z' && words.size() < 600; ++x)
        for (char y = static_cast<char>(x + 1); y <= 'z' && words.size() < 600; ++y)
            for (char z = static_cast<char>(y + 1); z <= 'z' && words.size() < 600; ++z) words.push_back({x, y, z});
    words.push_back("wxyz");
    f.LoadDefault(words);
    ASSERT_EQ(RunGame<CurioGame>(*f.app, kCurioIncreasing), 0);
    const std::vector<std::string> lines = f.sink.Lines();
    ASSERT_EQ(lines.size(), 503u);
    EXPECT_EQ(lines[0], "500 parole con lettere in ordine crescente");
    EXPECT_EQ(lines[2], " 4 WXYZ");
    EXPECT_EQ(lines[3], " 3 ABC");
    EXPECT_EQ(lines[501], " 3 " + Upper(words[498]));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " 3 " + Upper(words[499])), 0);
}

// A stop before the first word: the reports that print their list at the end
// print nothing; the others only their title, as a whole run begins.
TEST_F(CurioGameTest, AStopAtTheStartLeavesOnlyTheTitles) {
    f.LoadDefault(kWords);
    const std::set<int> titled = {kCurioCounts, kCurioRotations26, kCurioRotations21, kCurioPanvocalic,
                                  kCurioT9Equivalents, kCurioT9Multiples, kCurioPalindromes, kCurioBifronti,
                                  kCurioMicro, kCurioAlternateIntarsi, kCurioAlternateScarti, kCurioSameConsonants};
    for (int code = 1; code <= kCurioReportCount; ++code) {
        Curio().SetNextMicroMode(0);
        const std::string whole = Report(code);
        Curio().SetNextMicroMode(0);
        f.app->state.StopRequested = true;
        EXPECT_EQ(f.RunAsIs<CurioGame>(code), 0);
        EXPECT_EQ(Printed(), titled.count(code) ? whole.substr(0, whole.find("|--") + 3) : "") << code;
    }
}

// Stops the search when a given line is printed.
class StoppingSink : public LineSink {
public:
    StoppingSink(SearchState& state, std::string trigger) : state_(state), trigger_(std::move(trigger)) {}
    void WriteLine(std::string_view line) override {
        lines.emplace_back(line);
        if (line == trigger_) state_.StopRequested = true;
    }
    std::vector<std::string> lines;

private:
    SearchState& state_;
    std::string trigger_;
};

TEST_F(CurioGameTest, AStopInTheMiddleEndsTheReportAtTheNextWord) {
    f.LoadDefault(kWords);
    StoppingSink sink(f.app->state, "ad <-> da");
    f.app->out.SetSink(&sink);
    EXPECT_EQ(RunGame<CurioGame>(*f.app, kCurioBifronti), 0);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"Bifronti", std::string(50, '-'), "ad <-> da"}));
    f.app->out.SetSink(&f.sink);
}

// The words in another order (as the cryptogram solver leaves them): the
// reports that look words up restore byte order, the others take them as they are.
TEST_F(CurioGameTest, ReportsThatLookWordsUpRestoreByteOrderFirst) {
    f.LoadDefault(kWords);
    Dictionary& dict = f.app->dict;
    auto scramble = [&] {
        std::reverse(dict.Words.data() + 1, dict.Words.data() + dict.WordCount);
        dict.NotAlphabetical = true;
    };
    scramble();
    EXPECT_EQ(Report(kCurioPalindromes), "Palindromi|--|ala|a");
    EXPECT_TRUE(dict.NotAlphabetical);
    EXPECT_EQ(Report(kCurioBifronti), "Bifronti|--|ad <-> da|amor <-> roma");
    EXPECT_FALSE(dict.NotAlphabetical);
    for (int code = 1; code <= kCurioReportCount; ++code) {
        scramble();
        Report(code);
        EXPECT_EQ(dict.NotAlphabetical, !f.app->Get<CurioGame>().NeedsByteOrder(code)) << code;
    }
}

}  // namespace
}  // namespace sillabor
