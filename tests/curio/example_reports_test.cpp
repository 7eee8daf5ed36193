// The reports drawn in a scrambled order (examples of every cambio, scarto and
// scambio) and the five modes of "micro" with its rotating caption.

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "curio/curio_reports.h"
#include "curio/curio_fixture.h"

namespace sillabor {
namespace {

const std::vector<std::string> kGames = {"casa", "cosa", "rosa", "orsa", "raso", "sora", "osa", "rasa", "cose",
                                         "case", "caso", "mare", "rame", "ramo", "remo", "amo",  "ama"};

struct ExampleReportsTest : test::CurioTest {};

// The fixture's seed fixes the walk: each list keeps the first five examples met.
TEST_F(ExampleReportsTest, ListsTheFirstExamplesOfTheWalk) {
    f.LoadDefault(kGames);
    EXPECT_EQ(Report(kCurioEveryChange),
              "Esempi dei cambi possibili|--|A -> E : casA cosA rAmo|A -> O : cAsa casA rAsa rasA amA|"
              "C -> R : Casa Cosa Caso|E -> O : casE ramE|M -> S : raMo");
    EXPECT_EQ(Report(kCurioEveryRemoval), "Esempi dei possibili scarti|--|[C] Cosa|[R] oRsa Rosa Ramo");
    EXPECT_EQ(Report(kCurioEveryExchange),
              "Esempi degli scambi possibili|--|A <-> O : cAsO rAsO|M <-> R : MaRe|O <-> R : ORsa|R <-> S : RoSa");
    EXPECT_EQ(f.app->state.StatusMode, kStatusInfoClasses);
}

// Every word of two or three letters over a, b and c: more examples than the
// lists keep, so each pair of letters (or letter) lists five.
TEST_F(ExampleReportsTest, EachListHoldsFive) {
    std::vector<std::string> words;
    for (char x : std::string("abc"))
        for (char y : std::string("abc")) {
            words.push_back({x, y});
            for (char z : std::string("abc")) words.push_back({x, y, z});
        }
    f.LoadDefault(words);
    EXPECT_EQ(Report(kCurioEveryChange), "Esempi dei cambi possibili|--|A -> B : Aa aA Aab aAb Ab|"
                                         "A -> C : Aa aA Aab aAb Ab|B -> C : aaB aB aBb abB acB");
    EXPECT_EQ(Report(kCurioEveryRemoval), "Esempi dei possibili scarti|--|[A] Acc bAa baA bAb bAc|"
                                          "[B] Baa Bab baB Bac Bba|[C] aCc acC baC bbC bCa");
    EXPECT_EQ(Report(kCurioEveryExchange), "Esempi degli scambi possibili|--|A <-> B : AB aAB AaB ABa ABc|"
                                           "A <-> C : aAC AaC ACa ACc AcC|B <-> C : BCc BcC cBC BC aBC");
}

TEST_F(ExampleReportsTest, MicroTakesItsFiveModesInTurnAndCaptionsTheNext) {
    f.LoadDefault({"otto", "tot", "toto", "abbaab", "abcacb", "abccab", "caco", "amama", "abaxb", "abcdcb",
                   "raggirai", "abcbcdabcd", "bobo"});
    const std::string title = "Parole che costituiscono un mini-gioco|";
    const std::string modes[] = {
        // The halves: equal, reversed, two letters exchanged, or anagrams.
        "Microenigmistica (1) " + title + "Anagrammi e C. (U=Uguali  P=Palindromi A=Anagrammi S=Scambi|--|"
            "S : abcacb = abc + acb|A : abccab = abc + cab|U : bobo = bo + bo|P : otto = ot + to|U : toto = to + to",
        "Microenigmistica (2) " + title + "Cambi |--|abbaab = abb + aab|caco = ca + co",
        // Only odd lengths: a scarto from the longer first part, else an aggiunta.
        "Microenigmistica (3) " + title + "Scarti e C. (A = Aggiunta    S = Scarto)|--|S : amama = ama + ma|"
            "A : abaxb = ab + axb",
        "Microenigmistica (4) " + title + "Varie (C = Cambio di Antipodo )|--|C : abcdcb = abc + dcb",
        // A sciarada's line comes after the lengths of its pieces.
        "Microenigmistica (5) " + title + "Lucchetto: parola=AB+BC+AC dove il lucchetto e' AB+BC=AC|--|1 2 1|"
            "S abcbcdabcd = abc + bcd + abcd (abc + bcd = abcd )|L raggirai = rag + gi + rai (rag + gi = rai )",
    };
    // Each run gives back the caption of the mode the next run takes; a
    // request that names a mode sets the turn from there.
    auto micro = [&](std::optional<int> mode, std::string* caption) {
        CurioRequest request{kCurioMicro, mode};
        auto result = std::make_shared<CurioResult>();
        f.sink.Reset();
        EXPECT_EQ(RunGame(*f.app, f.app->Get<CurioGame>().Job(request, result)), 0);
        *caption = result->microCaption;
        return Printed();
    };
    std::string caption;
    for (int run = 0; run < 6; ++run) {
        EXPECT_EQ(micro(std::nullopt, &caption), modes[run % 5]) << run;
        EXPECT_EQ(caption, "micro " + std::to_string((run + 1) % 5 + 1));
        EXPECT_EQ(f.app->state.StatusMode, kStatusInfoClasses);
    }
    EXPECT_EQ(micro(3, &caption), modes[3]);
    EXPECT_EQ(caption, "micro 5");
    EXPECT_EQ(micro(std::nullopt, &caption), modes[4]);
}

}  // namespace
}  // namespace sillabor
