// Antipodi, cambi d'antipodo and random anagrams over tiny dictionaries.

#include <gtest/gtest.h>

#include "trova/trova_test_support.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

struct AntipodeListsTest : ::testing::Test {
    test::TrovaFixture t;
};

TEST_F(AntipodeListsTest, AntipodiListEachPairOnceFromItsFirstWord) {
    t.f.LoadDefault({"roma", "ramo", "lama", "mala", "rosa", "ah", "ha", "lamina"});
    t.request.minLength = 0;
    // "Ramo <-> Roma", not the other way round: the pair comes from the word first in order.
    // A word whose antipode is itself is paired with itself; "ah" would be, but is too short.
    EXPECT_EQ(t.Lines(kTrovaAntipodiIniziali),
              Lines({"Antipodi iniziali", "--", "Lama <-> Lama", "Mala <-> Mala", "Ramo <-> Roma"}));
    EXPECT_EQ(t.Lines(kTrovaAntipodiFinali), Lines({"Antipodi finali", "--", "lamA <-> malA"}));
    t.Letters("r");
    EXPECT_EQ(t.Results(kTrovaAntipodiIniziali), Lines({"Ramo <-> Roma"}));
    t.Letters("a");
    t.request.maxLength = 3;
    EXPECT_EQ(t.Results(kTrovaAntipodiFinali), Lines{});
}

TEST_F(AntipodeListsTest, CambiDAntipodo) {
    t.f.LoadDefault({"rosa", "naso", "vaso", "raso", "a", "e", "o"});
    EXPECT_EQ(t.Lines(kTrovaCambiAntipodo).front(), "Cambio di Antipodo (Lung. 3 - 40)");
    EXPECT_EQ(t.Distinct(kTrovaCambiAntipodo),
              std::set<std::string>({"R-osa <-> N-aso", "R-osa <-> V-aso", "N-aso <-> R-osa", "V-aso <-> R-osa"}));
    t.Letters("r", "v");
    EXPECT_EQ(t.Lines(kTrovaCambiAntipodo),
              Lines({"Cambio di Antipodo [R <-> V] (Lung. 3 - 40)", "--", "R-osa <-> V-aso"}));
    // A one-letter word pairs with every other one.
    t.request.lettersGiven = false;
    t.request.minLength = 1;
    t.request.maxLength = 1;
    EXPECT_EQ(t.Distinct(kTrovaCambiAntipodo),
              std::set<std::string>({"A- <-> E-", "A- <-> O-", "E- <-> A-", "E- <-> O-", "O- <-> A-", "O- <-> E-"}));
}

TEST_F(AntipodeListsTest, RandomAnagramsPairTwoDifferentWordsOfAClassUpToTheCap) {
    t.f.LoadDefault({"amor", "roma", "ramo", "mora", "casa", "cane"});
    const Lines lines = t.Results(kTrovaAnagrammi, 5);
    EXPECT_EQ(lines.size(), 1000u);
    const std::set<std::string> words = {"amor", "roma", "ramo", "mora"};
    std::set<std::string> pairs;
    for (const std::string& line : lines) {
        const size_t arrow = line.find(" <-> ");
        ASSERT_NE(arrow, std::string::npos) << line;
        const std::string a = line.substr(0, arrow), b = line.substr(arrow + 5);
        EXPECT_TRUE(words.count(a) && words.count(b) && a != b) << line;
        pairs.insert(line);
    }
    EXPECT_EQ(pairs.size(), 12u);  // every ordered pair turns up
    // The same seed replays the same run.
    EXPECT_EQ(t.Results(kTrovaAnagrammi, 5), lines);
    EXPECT_NE(t.Results(kTrovaAnagrammi, 6), lines);
}

TEST_F(AntipodeListsTest, RandomAnagramsWithoutAnyPairStopOnlyWhenAsked) {
    t.f.LoadDefault({"casa", "cane", "rosa"});
    t.f.app->state.StopRequested = true;
    t.f.sink.Reset();
    EXPECT_EQ(t.RunAsIs(kTrovaAnagrammi), 0);
    EXPECT_EQ(t.f.sink.Lines().size(), 2u);
}

}  // namespace
}  // namespace sillabor
