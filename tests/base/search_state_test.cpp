#include "base/search_state.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

TEST(StatusText, EachModeHasItsText) {
    EXPECT_EQ(StatusText(kStatusGenerated, 12, 1234, 0, 0), "Generati 12 in 1.23 sec");
    EXPECT_EQ(StatusText(kStatusLoading, 500, 20, 0, 0), "Caricate 500 parole 0.02 sec");
    EXPECT_EQ(StatusText(kStatusBuilding, 9, 3000, 0, 0), "Creazione diz. (3.00 sec)");
    EXPECT_EQ(StatusText(kStatusExporting, 9, 0, 0, 0), "Esporto diz. (0.00 sec)");
    EXPECT_EQ(StatusText(kStatusPercent, 42, 10, 0, 0), "Ricerca al 42% in 0.01 sec");
    EXPECT_EQ(StatusText(kStatusFoundMale, 3, 0, 0, 0), "Trovati 3 in 0.00 sec");
    EXPECT_EQ(StatusText(kStatusFoundFemale, 4, 0, 0, 0), "Trovate 4 in 0.00 sec");
}

TEST(StatusText, PercentagesOfWordsAndClassesUseIntegerDivisionAndSurviveEmptyDictionaries) {
    // 50 of 201 slots (200 words after slot 0): 25%.
    EXPECT_EQ(StatusText(kStatusInfoWords, 50, 0, 201, 0), "Raccolta info al 25% in 0.00 sec");
    // 2 of 4 classes minus one: 66%.
    EXPECT_EQ(StatusText(kStatusInfoClasses, 2, 0, 0, 4), "Raccolta info al 66% in 0.00 sec");
    EXPECT_EQ(StatusText(kStatusInfoWords, 50, 0, 1, 0), "Raccolta info al 0% in 0.00 sec");
    EXPECT_EQ(StatusText(kStatusInfoClasses, 50, 0, 0, 0), "Raccolta info al 0% in 0.00 sec");
    // A count near the top of its range does not overflow.
    EXPECT_EQ(StatusText(kStatusInfoWords, 2000000000, 0, 2000000001, 0), "Raccolta info al 100% in 0.00 sec");
}

}  // namespace
}  // namespace sillabor
