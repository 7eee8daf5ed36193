// The "Metagr" page's two words as typed (cut to the field length, then
// normalised as "Genera" does) with any choice of moves, laddered on the tiny
// dictionary. Every printed chain runs from the start word to the end word
// through distinct words of the dictionary, one allowed move a step.
//
// Input: one byte of choices (bit 0 "Aggiunta / Scarto", bit 1
// "metAnagramma", bits 2-4 the minimum length), then the start word and the
// end word, one a line.

#include <cstdio>
#include <set>

#include "app/run_game.h"
#include "dictionary/letter_count.h"
#include "fuzz_support.h"
#include "metagr/metagr_game.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

// Brute force on purpose: the oracle should not share the search's shortcut.
bool OneLetterMore(const std::string& longer, const std::string& shorter) {
    if (longer.size() != shorter.size() + 1) return false;
    for (size_t p = 0; p < longer.size(); ++p)
        if (std::string(longer).erase(p, 1) == shorter) return true;
    return false;
}

bool OneMove(const std::string& a, const std::string& b, const MetagrRequest& page) {
    if (page.rearrange && a.size() == b.size() &&
        CompareLetterCounts(ComputeLetterCount(a), ComputeLetterCount(b)) == 0)
        return true;
    if (page.addRemove && (OneLetterMore(a, b) || OneLetterMore(b, a))) return true;
    if (a.size() != b.size()) return false;
    int differing = 0;
    for (size_t p = 0; p < a.size(); ++p) differing += a[p] != b[p];
    return differing == 1;
}

// The lines " 1 word", " 2 word", ... up to a line of two blanks.
void CheckChains(const std::vector<std::string>& lines, const MetagrRequest& page) {
    const Dictionary& dict = LoadedApp().dict;
    std::vector<std::string> chain;
    for (const std::string& line : lines) {
        if (line == "  ") {
            Require(chain.size() >= 2 && chain.front() == page.startWord && chain.back() == page.endWord,
                    "a chain that does not join the two words");
            const std::set<std::string> distinct(chain.begin(), chain.end());
            Require(distinct.size() == chain.size(), "a chain passes twice through a word", line);
            for (size_t k = 1; k < chain.size(); ++k) {
                Require(OneMove(chain[k - 1], chain[k], page), "a step that is no allowed move", chain[k]);
                if (k + 1 < chain.size()) Require(dict.FindWord(chain[k].c_str()) > 0, "a step outside the dictionary");
            }
            chain.clear();
            continue;
        }
        int level = 0, consumed = 0;
        if (std::sscanf(line.c_str(), "%d %n", &level, &consumed) != 1 || consumed == 0) continue;
        if (level != static_cast<int>(chain.size()) + 1) continue;  // a message, not a step
        chain.push_back(line.substr(static_cast<size_t>(consumed)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const uint8_t choices = data[0];
    const std::vector<std::string> f = Fields(data + 1, size - 1, 2);

    MetagrRequest typed;
    typed.startWord = f[0].substr(0, kLadderFieldMaxLength);
    typed.endWord = f[1].substr(0, kLadderFieldMaxLength);
    typed.addRemove = (choices & 1) != 0;
    typed.rearrange = (choices & 2) != 0;
    typed.minInterLength = 1 + ((choices >> 2) & 7) % kMinInterLengthItems;
    const MetagrRequest page = NormaliseMetagrWords(typed);

    Sink().Reset();
    const int status = RunGame(app, app.Get<MetagrGame>().Job(typed));
    const std::vector<std::string>& lines = Sink().Lines();
    Require(status == 0 || status == 1, "the search returned neither success nor failure");
    Require(!lines.empty(), "the search printed nothing");
    if (status == 1) Require(lines.back() != "F I N E", "a refused input ran the search");
    Require(app.state.FoundCount.load() <= kMaxChains, "more chains than the cap");
    CheckChains(lines, page);
    return 0;
}
