// Compiling patterns: what is refused, with which result and message lines.

#include "patterns/pattern_compiler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/output.h"
#include "support/collecting_sink.h"

namespace sillabor {
namespace {

struct Compiled {
    int result;
    std::vector<std::string> lines;
};

Compiled Compile(const std::string& text) {
    test::CollectingSink sink;
    Output out;
    out.SetSink(&sink);
    CompiledPattern pattern;
    int result = CompilePattern(pattern, text, out);
    return {result, sink.Lines()};
}

const std::vector<std::string> kGroupLengthLines = {
    "Le limitazioni sulle lunghezze dei pattern vanno indicate",
    "con  @pxy (es. @124) dove p e' il numero del pattern e",
    "x e y tra 1 e 9 sono lunghezza min e max (max=0 indica max=40)"};
const std::vector<std::string> kDerivedLines = {"Il pattern che segue la E puo' composto da :",
                                                "lettere, numeri, @n, #n, |n e |rn dove n=1..9"};

TEST(PatternCompiler, RefusesEachFaultWithItsResultAndLines) {
    struct Case {
        std::string text;
        int result;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"[a*]", -1, {}},
        {"(a?)", -1, {}},
        {"[a@1]", -1, {}},
        {"[a#1]", -1, {}},
        {"[ab", -2, {}},
        {"|a", -2, {}},
        {"|a|b|", -2, {}},
        {"[a(b)]", -2, {}},
        {"[B]", -2, {}},  // the keypad letter opens a second bracket inside the first
        {"a)", -3, {}},
        {"(a]", -3, {}},
        {"[a|b]", -3, {}},
        {"a0", -4, {}},
        {"a!", -4, {}},
        {"@", -5, {"@ deve essere seguito da un numero da 1 a 9"}},
        {"a@0", -5, {"@ deve essere seguito da un numero da 1 a 9"}},
        {"#x", -5, {"# deve essere seguito da un numero da 1 a 9"}},
        {"*, @124", -7, kGroupLengthLines},  // group 1 is not in the main pattern
        {"@1, @152", -7, kGroupLengthLines},  // minimum above maximum
        {"@1, @10", -7, kGroupLengthLines},  // cut short
        {"@1, @1a2", -7, kGroupLengthLines},
        {"|*|, e |2", -7, kDerivedLines},  // only one segment
        {"*, e a,b", -7, kDerivedLines},
        {"*, e X", -7, kDerivedLines},
        {"a, x", -9, {"Qualcosa di errato dopo la virgola"}},
        {"@1, @111 x", -9, {"Qualcosa di errato dopo la virgola"}},
    };
    for (const Case& c : cases) {
        Compiled r = Compile(c.text);
        EXPECT_EQ(r.result, c.result) << c.text;
        EXPECT_EQ(r.lines, c.lines) << c.text;
    }
}

TEST(PatternCompiler, CountsLetterSetsIncludingKeypadLetters) {
    std::string thirty, thirtyOne;
    for (int k = 0; k < 30; ++k) thirty += (k % 2 == 0) ? "[ab]" : "K";
    thirtyOne = thirty + "(z)";
    EXPECT_EQ(Compile(thirty).result, 0);
    Compiled r = Compile(thirtyOne);
    EXPECT_EQ(r.result, -4);
    EXPECT_EQ(r.lines, std::vector<std::string>{"Troppi gruppi di lettere nel pattern"});
    // A fault met while scanning comes before the count of sets.
    EXPECT_EQ(Compile(thirtyOne + "[").result, -2);
}

TEST(PatternCompiler, RefusesWhatDoesNotFitInsteadOfCuttingIt) {
    const std::vector<std::string> tooLong = {"Pattern troppo lungo: sono ammessi al massimo 99 elementi"};
    EXPECT_EQ(Compile(std::string(99, 'a')).result, 0);
    Compiled main = Compile(std::string(100, 'a'));
    EXPECT_EQ(main.result, -6);
    EXPECT_EQ(main.lines, tooLong);
    // The end mark of a derived part needs a place too.
    EXPECT_EQ(Compile(std::string(98, 'a') + ", e a").result, 1);
    EXPECT_EQ(Compile(std::string(99, 'a') + ", e a").result, -6);
    EXPECT_EQ(Compile("*, e " + std::string(100, 'a')).result, -6);
    // Spaces, doubled runs and whole sets take no room of their own.
    EXPECT_EQ(Compile(std::string(200, ' ') + "**********" + "[abcdefghijklmnopqrstuvwxyz]").result, 0);
}

TEST(PatternCompiler, ResultSaysWhetherThereIsADerivedWord) {
    EXPECT_EQ(Compile("").result, 0);
    EXPECT_EQ(Compile("@1*#2, @123, @250").result, 0);
    EXPECT_EQ(Compile("|*|-|*|, e |r2 |1 @1 #1 3 x").result, 1);
}

}  // namespace
}  // namespace sillabor
