// The phrase anagram search: the phrase with its fixed part and schema, under
// the page's own rules (field limits, the 52-letter cap, "Genera" only when
// the fixed part fits), searching or listing the candidates. Every result
// line must use exactly the letters of the phrase less the fixed part.
//
// Input: two bytes of choices (first: bit 0 "Schema", bit 1 "Randomizza",
// bit 2 "Mostra in.", bit 3 "A capo autom.", bit 4 compact output off,
// bits 5-7 the Parole filters' way, 0 for none; second: the least word length,
// the least and the most words), then the fixed part, the schema and the
// phrase, one a line.

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "anagr/anagr_game.h"
#include "anagr/anagr_page_rules.h"
#include "anagr/anagram_search.h"
#include "app/run_game.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

// A long phrase that the words can cover but no split of it can is searched
// until "Stop !", as the page intends: this presses it after a while.
class StopButton {
public:
    explicit StopButton(SearchState& state) : state_(state) { std::thread([this] { Watch(); }).detach(); }
    void PressAfter(std::chrono::milliseconds delay) {
        deadline_ = (std::chrono::steady_clock::now() + delay).time_since_epoch().count();
    }
    void Release() { deadline_ = 0; }

private:
    void Watch() {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const int64_t deadline = deadline_.load();
            if (deadline != 0 && std::chrono::steady_clock::now().time_since_epoch().count() > deadline)
                state_.StopRequested = true;
        }
    }
    SearchState& state_;
    std::atomic<int64_t> deadline_{0};
};

// The letters of a result line: the first word of each group, after the
// wrapping mark and the fixed part.
LetterCount LettersOfLine(std::string_view line, const AnagrRequest& request) {
    if (request.wrapLines) {
        Require(line.substr(0, 2) == "- ", "a wrapped line without its mark", line);
        line.remove_prefix(2);
    }
    if (!request.fixedPart.empty()) {
        // As the printer shows it: a line break or a NUL as a blank.
        std::string fixed = request.fixedPart + " ";
        for (char& c : fixed)
            if (c == '\n' || c == '\r' || c == '\0') c = ' ';
        Require(line.substr(0, fixed.size()) == fixed, "a line without the fixed part", line);
        line.remove_prefix(fixed.size());
    }
    std::string firstWords;
    bool inGroup = false, firstOfGroup = true;
    for (char c : line) {
        if (c == '[') {
            inGroup = true;
            firstOfGroup = true;
        } else if (c == ']') {
            inGroup = false;
        } else if (c == ' ') {
            if (inGroup) firstOfGroup = false;
        } else if (!inGroup || firstOfGroup) {
            firstWords.push_back(c);
        }
    }
    return ComputeLetterCount(firstWords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    static StopButton stop(app.state);
    if (size < 2) return 0;
    const uint8_t choices = data[0], counts = data[1];
    const std::vector<std::string> f = Fields(data + 2, size - 2, 3);

    AnagrRequest request;
    request.fixedPart = f[0].substr(0, kFixedPartMaxLength);
    request.schema = f[1].substr(0, kSchemaFieldMaxLength);
    request.phrase = f[2].substr(0, kPhraseFieldMaxLength);
    CapPhrase(request.phrase);
    request.useSchema = (choices & 1) != 0;
    request.shuffle = (choices & 2) != 0;
    request.wrapLines = (choices & 8) != 0;
    request.compactOutput = (choices & 0x10) == 0;
    request.filterHow = static_cast<AnagramFilterHow>((choices >> 5) % 5);
    request.minWordLength = 1 + counts % 5;
    request.minWords = 1 + (counts / 5) % 5;
    request.maxWords = (counts / 25) % 5 == 4 ? kAnyNumberOfWords : 1 + (counts / 25) % 5;
    MinWordsChanged(request);
    request.resultLimit = 300;
    const AnagrPageView view = AnagramVisibility(request);
    if (!view.startEnabled) return 0;  // "Genera" is disabled
    const int option = (choices & 4) != 0 ? kAnagramShowCandidates : kAnagramSearch;

    Sink().Reset();
    if (view.longPhrase) stop.PressAfter(std::chrono::milliseconds(30));
    const int status = RunGame(app, app.Get<AnagrGame>().Job(request, option));
    stop.Release();
    app.state.StopRequested = false;

    Require(status == 0 || status == 1, "the search returned neither success nor failure");
    if (status == 1) {
        Require(!Sink().Lines().empty(), "a refused input printed no message");
        return 0;
    }
    const LetterCount phrase = ComputeLetterCount(request.phrase);
    const LetterCount fixed = ComputeLetterCount(request.fixedPart);
    LetterCount rest = phrase;
    rest.total = static_cast<int16_t>(phrase.total - fixed.total);
    for (int i = 0; i < 26; ++i) rest.counts[i] = static_cast<uint8_t>(phrase.counts[i] - fixed.counts[i]);
    AnagrRequest shown = request;
    if (option == kAnagramShowCandidates) shown.fixedPart.clear();
    for (const std::string& line : Sink().Lines()) {
        const LetterCount used = LettersOfLine(line, shown);
        if (option == kAnagramShowCandidates)
            Require(LetterCountFits(used, rest), "a candidate that does not fit the phrase", line);
        else
            Require(std::memcmp(&used, &rest, sizeof used) == 0, "an anagram with other letters", line);
    }
    return 0;
}
