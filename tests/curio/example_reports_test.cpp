// The reports drawn in a scrambled order (examples of every cambio, scarto and
// scambio) and the five modes of "micro" with its rotating caption.

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

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
// lists keep. Each listed example must be a true one, and each list full.
TEST_F(ExampleReportsTest, EveryExampleIsATrueOneAndEachListHoldsFive) {
    std::vector<std::string> words;
    for (char x : std::string("abc"))
        for (char y : std::string("abc")) {
            words.push_back({x, y});
            for (char z : std::string("abc")) words.push_back({x, y, z});
        }
    f.LoadDefault(words);
    const std::set<std::string> dictionary(words.begin(), words.end());

    struct Kind {
        int code;
        const char* arrow;  // between the two letters of the heading
        int marks;          // letters in capitals in each example
    };
    for (const Kind& kind : {Kind{kCurioEveryChange, " -> ", 1}, Kind{kCurioEveryRemoval, "", 1},
                             Kind{kCurioEveryExchange, " <-> ", 2}}) {
        SCOPED_TRACE(kind.code);
        f.sink.Reset();
        ASSERT_EQ(RunGame(*f.app, kGameCurio, kind.code), 0);
        const std::vector<std::string> lines = f.sink.Lines();
        // The title and its separator, then the pairs ab, ac, bc (or the letters a, b, c).
        ASSERT_EQ(lines.size(), 5u);
        for (size_t l = 2; l < lines.size(); ++l) {
            std::istringstream in(lines[l]);
            std::string heading, example;
            in >> heading;
            if (kind.code != kCurioEveryRemoval) {
                std::string arrow, second, colon;
                in >> arrow >> second >> colon;
                heading += second;
                EXPECT_LT(heading[0], heading[1]) << lines[l];
            }
            int examples = 0;
            while (in >> example) {
                ++examples;
                std::vector<size_t> marked;
                std::string word = example;
                for (size_t k = 0; k < word.size(); ++k)
                    if (std::isupper(static_cast<unsigned char>(word[k]))) {
                        marked.push_back(k);
                        word[k] = static_cast<char>(word[k] + 32);
                    }
                ASSERT_EQ(marked.size(), static_cast<size_t>(kind.marks)) << example;
                EXPECT_TRUE(dictionary.count(word)) << example;
                std::string other = word;
                if (kind.code == kCurioEveryChange) {
                    EXPECT_EQ(std::toupper(word[marked[0]]), heading[0]) << example;
                    other[marked[0]] = static_cast<char>(heading[1] + 32);
                } else if (kind.code == kCurioEveryRemoval) {
                    EXPECT_EQ(heading, (std::string{'[', static_cast<char>(std::toupper(word[marked[0]])), ']'}));
                    other.erase(marked[0], 1);
                } else {
                    std::swap(other[marked[0]], other[marked[1]]);
                    EXPECT_NE(other, word);
                }
                EXPECT_TRUE(dictionary.count(other)) << example << " -> " << other;
            }
            EXPECT_EQ(examples, 5) << lines[l];
        }
    }
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
    EXPECT_EQ(Curio().MicroCaption, "micro 1");
    for (int run = 0; run < 6; ++run) {
        EXPECT_EQ(Report(kCurioMicro), modes[run % 5]) << run;
        EXPECT_EQ(Curio().MicroCaption, "micro " + std::to_string((run + 1) % 5 + 1));
        EXPECT_EQ(f.app->state.StatusMode, kStatusInfoClasses);
    }
    Curio().SetNextMicroMode(3);
    EXPECT_EQ(Curio().MicroCaption, "micro 4");
    EXPECT_EQ(Report(kCurioMicro), modes[3]);
}

}  // namespace
}  // namespace sillabor
