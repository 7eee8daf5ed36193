// The pattern language through the "Parole" page: both patterns with their
// modes and joint, the letter budget, the groups and the lengths, normalised,
// compiled and matched against every word of the tiny dictionary.
//
// Input: one byte of choices (bit 0 "Usa solo lettere", bits 1-2 and 3-4 the
// two modes, bit 5 "o"), then the fields Min, Max, letters, obligatory groups,
// forbidden groups, second pattern and first pattern, one a line.

#include "app/run_game.h"
#include "fuzz_support.h"
#include "parole/parole_game.h"
#include "patterns/parole_page_rules.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

PatternMode ModeOf(int bits) {
    if (bits == 1) return kMustNotSatisfy;
    if (bits == 2) return kPatternIgnored;
    return kMustSatisfy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const uint8_t choices = data[0];
    const std::vector<std::string> f = Fields(data + 1, size - 1, 7);

    ParoleRequest request;
    request.minLength = ParseLengthField(f[0].substr(0, kLengthFieldMaxLength));
    request.maxLength = ParseLengthField(f[1].substr(0, kLengthFieldMaxLength));
    request.onlyLetters = (choices & 1) != 0;
    request.letters = f[2].substr(0, kLettersFieldMaxLength);
    request.requiredGroups = f[3];
    request.forbiddenGroups = f[4];
    request.secondPattern = f[5].substr(0, kPatternMaxLength);
    request.firstPattern = f[6].substr(0, kPatternMaxLength);
    request.firstMode = ModeOf((choices >> 1) & 3);
    request.secondMode = ModeOf((choices >> 3) & 3);
    request.eitherPattern = (choices & 0x20) != 0;

    Sink().Reset();
    const int status = RunGame(app, app.Get<ParoleGame>().Job(request));
    const std::vector<std::string>& lines = Sink().Lines();
    Require(status == 0 || status == 1, "the search returned neither success nor failure");
    Require(lines.size() >= 2 && lines.back() == "Fine Ricerca", "the search did not close with Fine Ricerca");
    if (status == 1) Require(lines.size() > 2, "a refused input printed no message");
    Require(app.state.FoundCount.load() <= app.dict.WordCount, "more results than words");
    return 0;
}
