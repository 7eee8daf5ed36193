// Scambi, cambi, scarti, metatesi and bifronti con scarto over tiny dictionaries.

#include <gtest/gtest.h>

#include "trova/trova_test_support.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

const std::vector<std::string> kWords = {"rapa", "para", "cane", "pane", "cana", "caffe",   "cafe",  "arte", "tare",
                                         "rate", "sala", "ala",  "ramo", "mar",  "pennone", "nonne", "aaa",  "a"};

struct EditListsTest : ::testing::Test {
    test::TrovaFixture t;
    void SetUp() override { t.f.LoadDefault(kWords); }
    // The length fields, as typed.
    void Lengths(const std::string& min, const std::string& max) {
        t.page().EdCrLuMin = min;
        t.page().EdCrLuMax = max;
    }
};

TEST_F(EditListsTest, WithLettersEachGameListsItsPairsInAlphabeticalOrder) {
    struct Case {
        int option;
        std::string from, to;
        Lines lines;
    };
    const Case cases[] = {
        {kTrovaScambi, "p", "r", {"Scambi  P <-> R (lung. 3 - 40)", "--", "PaRa <-> RaPa", "RaPa <-> PaRa"}},
        {kTrovaCambi, "c", "p", {"Cambi  C <-> P (lung. 3 - 40)", "--", "Cane <-> Pane"}},
        // Without "Anche Finali" the last letter never changes.
        {kTrovaCambi, "e", "a", {"Cambi  E <-> A (lung. 3 - 40)", "--"}},
        {kTrovaScarti, "f", "", {"Scarti  [F] (lung. 3 - 40)", "--", "caFfe <-> cafe", "cafFe <-> cafe"}},
        {kTrovaMetatesi, "t", "", {"Metatesi  [T] (lung. 3 - 40)", "--", "arTe <-> Tare", "Tare <-> arTe"}},
        {kTrovaBifrontiIniziale, "s", "", {"Bifronti con scarto [S] iniziale (lungh. 3 - 40)", "--", "Sala <-> ala"}},
        {kTrovaBifrontiFinale, "o", "", {"Bifronti con scarto [O] finale (lungh. 3 - 40)", "--", "ramO <-> mar"}},
        {kTrovaBifrontiEntrambe,
         "p",
         "e",
         {"Bifronti con scarto [P e E] iniziale e finale (lungh. 3 - 40)", "--", "PennonE <-> nonne"}},
    };
    for (const Case& c : cases) {
        t.Letters(c.from, c.to);
        EXPECT_EQ(t.Lines(c.option), c.lines) << c.option;
    }
    t.page().AncheFinale = true;
    t.Letters("e", "a");
    EXPECT_EQ(t.Results(kTrovaCambi), Lines({"canE <-> canA"}));
}

TEST_F(EditListsTest, WithoutLettersPairsComeFromBothWordsOrFromTheLongerOne) {
    using Set = std::set<std::string>;
    EXPECT_EQ(t.Lines(kTrovaScambi).front(), "Scambi (lung. 3 - 40)");
    EXPECT_EQ(t.Distinct(kTrovaScambi), Set({"RaPa <-> PaRa", "PaRa <-> RaPa", "ARte <-> RAte", "RAte <-> ARte",
                                             "RaTe <-> TaRe", "TaRe <-> RaTe"}));
    EXPECT_EQ(t.Distinct(kTrovaCambi),
              Set({"Cane <-> Pane", "Pane <-> Cane", "caNe <-> caFe", "caFe <-> caNe", "aAa <-> aLa", "aLa <-> aAa"}));
    EXPECT_EQ(t.Distinct(kTrovaScarti), Set({"caFfe <-> cafe", "cafFe <-> cafe", "Sala <-> ala"}));
    // Moves within "rapa" and "para" never give the other; no word is paired with itself.
    EXPECT_EQ(t.Distinct(kTrovaMetatesi), Set({"Arte <-> rAte", "aRte <-> Rate", "arTe <-> Tare", "Rate <-> aRte",
                                               "rAte <-> Arte", "Tare <-> arTe"}));
    EXPECT_EQ(t.Distinct(kTrovaBifrontiIniziale), Set({"Sala <-> ala"}));
    EXPECT_EQ(t.Distinct(kTrovaBifrontiEntrambe), Set({"MaR <-> a", "AaA <-> a", "PennonE <-> nonne"}));
    EXPECT_EQ(t.Results(kTrovaScarti).size(), 3u);  // each pair once
}

TEST_F(EditListsTest, TheLengthRangeAndTheCapBetweenWords) {
    Lengths("5", "5");
    t.Letters("f");
    EXPECT_EQ(t.Lines(kTrovaScarti).front(), "Scarti  [F] (lung. 5 - 5)");
    EXPECT_EQ(t.Found(), 2);
    Lengths("0", "0");
    EXPECT_EQ(t.Results(kTrovaScarti), Lines{});

    // The cap is tested before each word: the word that reaches it prints all its lines.
    Lengths("0", "40");
    t.f.app->state.FoundCount = 9999;
    t.f.sink.Reset();
    ASSERT_EQ(t.f.RunAsIs(kGameTrova, kTrovaScarti), 0);
    EXPECT_EQ(t.f.app->state.FoundCount, 10001);
    t.f.app->state.FoundCount = 10000;
    t.f.sink.Reset();
    ASSERT_EQ(t.f.RunAsIs(kGameTrova, kTrovaScarti), 0);
    EXPECT_EQ(t.f.sink.Lines().size(), 2u);  // the title and its separator
}

}  // namespace
}  // namespace sillabor
