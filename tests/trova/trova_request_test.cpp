// The "Trova" page's check of lengths and letters, the parameters a checked
// request sets, and the scrambled scan of the dictionary.

#include "trova/trova_request.h"

#include <gtest/gtest.h>

#include <tuple>

#include "trova/trova_test_support.h"
#include "trova/word_scan.h"

namespace sillabor {
namespace {

const std::vector<std::string> kMinMessage = {"La lunghezza minima deve essere tra 0 e 40"};
const std::vector<std::string> kMaxMessage = {"La lunghezza massima deve essere tra 0 e 40",
                                              "e deve essere maggiore o uguale alla minima"};
const std::vector<std::string> kOneLetterMessage = {"Devi specificare correttamente la lettera",
                                                    "sulla quale e' basato il gioco"};
const std::vector<std::string> kTwoLettersMessage = {"Devi specificare correttamente le 2 lettere (diverse)",
                                                     "sulle quali e' basato il gioco"};

// The fields as typed: the lengths read by ParseLength, the letters by TrovaLetter.
struct Input {
    std::string min, max;
    bool letters;
    std::string from, to;
    int game;
    std::vector<std::string> message;  // empty: accepted
};

TrovaRequest RequestOf(const Input& in) {
    return {in.game, ParseLength(in.min), ParseLength(in.max), false, in.letters, TrovaLetter(in.from), TrovaLetter(in.to)};
}

TEST(TrovaRequestTest, LengthsAndLettersAreCheckedAsThePageSays) {
    const Input inputs[] = {
        {"", "40", false, "", "", kTrovaCambi, kMinMessage},
        {"ab", "40", false, "", "", kTrovaCambi, kMinMessage},
        {"-1", "40", false, "", "", kTrovaCambi, kMinMessage},
        {"3", "41", false, "", "", kTrovaCambi, kMaxMessage},
        {"5", "4", false, "", "", kTrovaCambi, kMaxMessage},
        {"3", "4x", false, "", "", kTrovaCambi, kMaxMessage},
        {"0", "0", false, "", "", kTrovaCambi, {}},
        {" 7", "40 ", false, "", "", kTrovaCambi, {}},
        // Letters not asked for: whatever the letter fields hold is not read.
        {"3", "40", false, "9", "9", kTrovaScambi, {}},
        {"3", "40", true, "Q", "", kTrovaScarti, {}},
        {"3", "40", true, "", "", kTrovaMetatesi, kOneLetterMessage},
        {"3", "40", true, "\xE0", "", kTrovaBifrontiFinale, kOneLetterMessage},
        {"3", "40", true, "", "", kTrovaCambi, kTwoLettersMessage},
        {"3", "40", true, "r", "", kTrovaCambiAntipodo, kTwoLettersMessage},
        {"3", "40", true, "r", "R", kTrovaScambi, kTwoLettersMessage},
        {"3", "40", true, "s", "S", kTrovaBifrontiEntrambe, {}},
        {"3", "40", true, "s", "e", kTrovaCambi, {}},
        // The buttons' games take neither lengths nor letters.
        {"ab", "99", true, "", "", kTrovaLucchetti, {}},
    };
    for (const Input& in : inputs) {
        const Checked<TrovaRequest> checked = CheckTrovaRequest(RequestOf(in));
        const auto* refusal = std::get_if<Refusal>(&checked);
        EXPECT_EQ(refusal ? refusal->lines : std::vector<std::string>{}, in.message)
            << in.min << "|" << in.max << "|" << in.from << in.to;
    }
}

TEST(TrovaRequestTest, AnAcceptedRunSetsTheParametersARefusedOneKeepsThem) {
    test::TrovaFixture t;
    t.f.LoadDefault({"cane", "pane", "rane"});
    t.request = RequestOf({"4", "9", true, "Q", "u", kTrovaCambi, {}});
    t.request.alsoLast = true;
    t.Lines(kTrovaCambi);
    const TrovaParams& params = t.f.app->Get<TrovaGame>().state.params;
    EXPECT_EQ((std::tuple{params.MinLength, params.MaxLength, params.AnyLetter, params.Letter1, params.Letter2,
                          params.ChangeLast}),
              (std::tuple{4, 9, false, 'q', 'u', true}));
    t.request.minLength = 50;
    EXPECT_EQ(t.Lines(kTrovaCambi), kMinMessage);
    EXPECT_EQ(t.last, 1);
    EXPECT_EQ(params.MinLength, 4);
}

TEST(TrovaRequestTest, TheScrambledScanVisitsEveryWordOnce) {
    struct Scan {
        int32_t count, start, step;
    };
    for (const Scan& s : {Scan{10, 0, 3}, Scan{10, 7, 7}, Scan{11, 10, 4}, Scan{3, 2, 1}, Scan{2, 1, 1}}) {
        WordScan scan = WordScan::Scrambled(s.count, s.start, s.step);
        std::vector<int32_t> visited;
        for (int32_t slot = scan.Next(); slot != 0; slot = scan.Next()) visited.push_back(slot);
        std::vector<int32_t> sorted = visited;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int32_t> every(static_cast<size_t>(s.count - 1));
        for (int32_t i = 0; i < s.count - 1; ++i) every[static_cast<size_t>(i)] = i + 1;
        EXPECT_EQ(sorted, every) << s.count << " " << s.start << " " << s.step;
        if (s.start != 0) {
            EXPECT_EQ(visited.front(), s.start);
        }
    }
    EXPECT_EQ(WordScan::Scrambled(0, 0, 1).Next(), 0);
}

}  // namespace
}  // namespace sillabor
