// The cryptogram maker: enciphering through the boxes, the numeric forms, the
// panel's buttons and "Coppie?".

#include <gtest/gtest.h>

#include <algorithm>

#include "app/run_game.h"
#include "base/random_source.h"
#include "decrit/cipher_boxes.h"
#include "decrit/cipher_text.h"
#include "decrit/decrit_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

std::string Letters(const CipherBoxes& boxes) {
    std::string letters;
    for (char box : boxes) letters.push_back(box == '\0' ? '-' : box);
    return letters;
}

CipherBoxes Boxes(const std::string& letters) {
    CipherBoxes boxes;
    for (size_t i = 0; i < boxes.size(); ++i) boxes[i] = BoxLetter(letters[i]);
    return boxes;
}

TEST(CipherBoxesTest, ButtonsRewriteTheBoxes) {
    const CipherBoxes rotated = RotateBoxes(kIdentityBoxes);
    EXPECT_EQ(Letters(RotateBoxes(rotated)), "CDEFGHIJKLMNOPQRSTUVWXYZAB");
    EXPECT_EQ(Letters(MirrorBoxes(kIdentityBoxes)), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
    EXPECT_EQ(Letters(MirrorBoxes(Boxes("AB-DEFGHIJKLMNOPQRSTUVWXYZ"))), "ZYXWVUTSRQPONMLKJIHGFED-BA");
    EXPECT_EQ(Letters(InvertBoxes(rotated)), "ZABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(Letters(InvertBoxes(Boxes("QWERTYUIOPASDFGHJKLZXCVBNM"))), "KXVMCNOPHQRSZYIJADLEGWBUFT");
    // "Inverti" needs a permutation: no empty box, no letter twice.
    EXPECT_TRUE(IsPermutation(rotated));
    EXPECT_FALSE(IsPermutation(Boxes("AB-DEFGHIJKLMNOPQRSTUVWXYZ")));
    EXPECT_FALSE(IsPermutation(Boxes("AACDEFGHIJKLMNOPQRSTUVWXYZ")));
    EXPECT_EQ(Letters(InvertBoxes(Boxes("AACDEFGHIJKLMNOPQRSTUVWXYZ"))), "AACDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(BoxLetter('q'), 'Q');
    EXPECT_EQ(BoxLetter('\xE0'), '\0');
    EXPECT_EQ(BoxLetter('7'), '\0');
}

TEST(CipherBoxesTest, RandomPressesAlternateTheTwoKindsAndTheCaption) {
    RandomSource random;
    random.SeedFrom(7);
    int kind = 0;
    for (int press = 0; press < 6; ++press) {
        const CipherBoxes boxes = PressRandom(kind, random);
        EXPECT_TRUE(IsPermutation(boxes));
        const bool keepsGroups = press % 2 == 0;
        EXPECT_EQ(kind, keepsGroups ? 1 : 0);
        EXPECT_EQ(RandomCaption(kind), keepsGroups ? "A caso 2" : "A caso 1");
        if (!keepsGroups) continue;
        for (int i = 0; i < kAlphabetSize; ++i) {
            const std::string vowels = "AEIOU", rare = "XYWHJK";
            const char plain = static_cast<char>('A' + i);
            const char image = boxes[static_cast<size_t>(i)];
            EXPECT_EQ(vowels.find(plain) != std::string::npos, vowels.find(image) != std::string::npos) << plain;
            EXPECT_EQ(rare.find(plain) != std::string::npos, rare.find(image) != std::string::npos) << plain;
        }
    }
}

TEST(CipherTextTest, EnciphersLettersInTheirCaseAndKeepsTheRest) {
    const CipherBoxes rotated = RotateBoxes(kIdentityBoxes);
    EXPECT_EQ(EncipherLine("Ciao, Mondo! 42", rotated), "Djbp, Npoep! 42");
    EXPECT_EQ(EncipherLine("citt\xE0 Zoo", rotated), "djuu\xE0 App");
    EXPECT_EQ(EncipherLine("Ciao, Mondo!", kIdentityBoxes), "Ciao, Mondo!");
    EXPECT_EQ(EncipherLine("cane", Boxes("-BCDEFGHIJKLMNOPQRSTUVWXYZ")), "c ne");
    EXPECT_EQ(FieldLines("uno\r\ndue\n\ntre\n"), (Lines{"uno", "due", "", "tre"}));
    EXPECT_TRUE(FieldLines("").empty());
}

TEST(CipherTextTest, NumericFormsNumberLettersAndMarkWordBreaks) {
    struct Case {
        Lines text;
        Lines numeri1;
        Lines numeri2;
    };
    const CipherBoxes boxes = Boxes("-BCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (const Case& c : {Case{{"ciao ciao"}, {"1 2 3 4 - 1 2 3 4"}, {"3 9 ? 15 - 3 9 ? 15"}},
                          Case{{"Ciao,  mondo!", " Ma"}, {"1 2 3 4, - 5 4 6 7 4!", " - 5 3"}, {"3 9 ? 15, - 13 15 14 4 15!", " - 13 ?"}},
                          Case{{"", "e\xE8"}, {"", "1\xE8"}, {"", "5\xE8"}}}) {
        EXPECT_EQ(NumericLines(c.text, nullptr), c.numeri1);
        EXPECT_EQ(NumericLines(c.text, &boxes), c.numeri2);
    }
}

struct CoppieTest : ::testing::Test {
    test::Fixture f;
    Lines Pairs(const CipherBoxes& boxes) {
        f.sink.Reset();
        EXPECT_EQ(RunGame(*f.app, f.app->Get<DecritGame>().Job({kCoppieSearch, "", boxes}, nullptr)), 0);
        return f.sink.Lines();
    }
};

TEST_F(CoppieTest, ListsWordsWhoseImageIsAWordClassByClass) {
    f.LoadDefault({"hal", "ibm", "abc", "bcd", "cde", "za", "ab", "casa"});
    CipherBoxes rotated = RotateBoxes(kIdentityBoxes);
    EXPECT_EQ(Pairs(rotated), (Lines{"abc -> bcd", "hal -> ibm", "bcd -> cde", "za -> ab"}));
    EXPECT_EQ(f.app->state.StatusMode, kStatusFoundFemale);
    EXPECT_EQ(f.app->state.FoundCount, 4);
    // A letter without an image leaves its words out.
    rotated[1] = '\0';
    EXPECT_EQ(Pairs(rotated), (Lines{"hal -> ibm", "za -> ab"}));
}

TEST_F(CoppieTest, EndsAfterThePairThatPassesFiveThousand) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'r'; ++a)
        for (char b = 'a'; b <= 'r'; ++b)
            for (char c = 'a'; c <= 'r'; ++c) words.push_back({a, b, c});
    f.LoadDefault(words);
    EXPECT_EQ(Pairs(kIdentityBoxes).size(), 5001u);
    EXPECT_EQ(f.app->state.FoundCount, 5001);
}

TEST_F(CoppieTest, RestoresByteOrderAfterTheSolverSortedByLength) {
    f.LoadDefault({"hal", "ibm", "io"});
    RunGame(*f.app, f.app->Get<DecritGame>().Job({kDecrittaSearch, "ab"}, nullptr));
    ASSERT_TRUE(f.app->dict.NotAlphabetical);
    EXPECT_EQ(Pairs(RotateBoxes(kIdentityBoxes)), (Lines{"hal -> ibm"}));
    EXPECT_FALSE(f.app->dict.NotAlphabetical);
}

}  // namespace
}  // namespace sillabor
