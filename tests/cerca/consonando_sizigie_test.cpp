// Consonando and sizigie: their rankings, scores and refusals.

#include "cerca/consonando.h"
#include "cerca/sizigie.h"

#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

struct ConsonandoTest : test::CercaTest {};

const std::vector<std::string> kConsonandoWords = {"morte", "moro", "mirto", "marte", "mastro", "mito", "amore",
                                                   "tram",  "atomo", "ramo", "rame",  "mare",   "ore"};

TEST_F(ConsonandoTest, RanksCompleteMatchesFirstWithTheirMarks) {
    f.LoadDefault(kConsonandoWords);
    struct Case {
        const char* typed;
        const char* lines;
    };
    for (const Case& c : {
             // Complete matches show length + consonants; equal scores keep the class order.
             Case{"mrt", " 8 marte [B]  | 8 morte [B]  | 8 mirto [B]  | 7 tram [B]  | 5 amore  | 5 atomo  |"
                         " 4 mare  | 4 ramo  | 4 mito  | 4 moro  | 3 ore  |--|Fine Ricerca"},
             // A joker adds a consonant (+) or makes up for one left out (-).
             Case{"mrt*", "10 mastro [B]  +| 8 marte [B]  | 8 morte [B]  | 8 mirto [B]  | 7 tram [B]  |"
                          " 7 amore [B]  -| 7 atomo [B]  -| 6 mare [B]  -| 6 ramo [B]  -| 6 mito [B]  -|"
                          " 6 moro [B]  -| 3 ore  |--|Fine Ricerca"},
             Case{"m**", " 8 marte [B]  +,+| 8 morte [B]  +,+| 8 mirto [B]  +,+| 7 amore [B]  +| 7 atomo [B]  +|"
                         " 7 tram [B]  +,+| 6 mare [B]  +| 6 ramo [B]  +| 6 mito [B]  +| 6 moro [B]  +|"
                         " 4 ore [B]  +,-|--|Fine Ricerca"},
             Case{"aeiou", "Devi specificare almeno una consonante!|--|Fine Ricerca"},
         }) {
        EXPECT_EQ(Search(kCercaConsonando, c.typed), c.lines) << c.typed;
        EXPECT_EQ(f.app->state.FoundCount, 0);
    }
}

struct SizigieTest : test::CercaTest {};

const std::vector<std::string> kSizigieWords = {"casato", "casa", "tetto", "casetta", "tetta", "sat",
                                                "cast",   "zebra", "ca",   "te",      "stoccasso"};

TEST_F(SizigieTest, RanksByTheSmallestRunThenByShortnessThenByOrder) {
    f.LoadDefault(kSizigieWords);
    EXPECT_EQ(Search(kCercaSizigie, "casa tetto"),
              "Cerco Sizigie per casa + tetto |--| 3 casetta [3,3]| 2 casato [4,2]| 2 stoccasso [3,2]|"
              " 1 sat [2,1]| 1 cast [3,1]| 1 tetta [1,4]| 1 zebra [1,1]| 0 ca [2,0]| 0 te [0,2]| 0 casa [4,0]|"
              " 0 tetto [0,5]|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.StatusMode, kStatusInfoWords);
    EXPECT_EQ(Search(kCercaSizigie, "  casa   tetto  set zebra"),
              "Cerco Sizigie per casa + tetto + set|--| 3 casetta [3,3,3]| 1 sat [2,1,1]| 1 cast [3,1,1]|"
              " 1 tetta [1,4,2]| 1 zebra [1,1,1]| 1 casato [4,2,1]| 1 stoccasso [3,2,1]| 0 ca [2,0,0]|"
              " 0 te [0,2,1]| 0 casa [4,0,1]| 0 tetto [0,5,2]|--|Fine Ricerca");
}

TEST_F(SizigieTest, RefusesOneWordOrTooLongABaseAndAStopListsNothing) {
    f.LoadDefault(kSizigieWords);
    EXPECT_EQ(Search(kCercaSizigie, "casa"), "Devi inserire 2 o 3 parole!|--|Fine Ricerca");
    EXPECT_EQ(Search(kCercaSizigie, std::string(64, 'a').append(1, ' ').append(63, 'b')),
              "parole troppo lunghe!|--|Fine Ricerca");
    Cerca().BaseWord = "casa tetto";
    EXPECT_EQ(SearchStopped(kCercaSizigie), "Cerco Sizigie per casa + tetto |--|Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
