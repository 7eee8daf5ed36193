#include "base/search_state.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

// The counts of loads, searches and finds show in the command line's tests.
TEST(StatusText, ModesWithoutACountShowTheTimeOrThePercentage) {
    EXPECT_EQ(StatusText(kStatusBuilding, 9, 3000, 0, 0), "Creazione diz. (3.00 sec)");
    EXPECT_EQ(StatusText(kStatusExporting, 9, 1234, 0, 0), "Esporto diz. (1.23 sec)");
    EXPECT_EQ(StatusText(kStatusPercent, 42, 10, 0, 0), "Ricerca al 42% in 0.01 sec");
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
