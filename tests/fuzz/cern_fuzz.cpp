// The "Cern" page's base and goal as typed (cut to the fields' lengths), in
// either mode, through the game as the page asks it, on the tiny dictionary. The
// selection holds each letter of odd count once, in order of first
// occurrence; "cernita on-the-fly" lists exactly the anagrams of the
// selection; "completa la cernita" refuses a goal with a double letter and
// otherwise lists exactly the words that leave the goal, whole classes
// bracketed, each word once.
//
// The page asks at a change of mode, of the base or of the goal; a change of
// the goal completes in either mode.
//
// Input: one byte of choices (bit 0: "completa la cernita"; bits 1-2: the
// change, 0 or 3 the mode, 1 the base, 2 the goal), then the base and the
// goal, one a line.

#include <algorithm>
#include <array>
#include <set>

#include "fuzz_support.h"
#include "dictionary/letter_count.h"
#include "cern/cern_game.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

std::array<int, 26> Tallies(const std::string& text) {
    std::array<int, 26> tallies{};
    for (char c : text)
        if (const char l = ToLowerAscii(FoldedAccent(c)); l >= 'a' && l <= 'z') ++tallies[l - 'a'];
    return tallies;
}

std::string Sorted(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

// The words of the tiny dictionary with the letters of `word`, in byte order.
std::vector<std::string> AnagramsOf(const std::string& word) {
    std::vector<std::string> found;
    for (const std::string& w : TinyWords())
        if (Sorted(w) == Sorted(word)) found.push_back(w);
    std::sort(found.begin(), found.end());
    return found;
}

void CheckSelection(const std::string& base, const std::string& selection) {
    const std::array<int, 26> tallies = Tallies(base);
    std::string expected;
    for (char c : base) {
        const char l = ToLowerAscii(FoldedAccent(c));
        if (l >= 'a' && l <= 'z' && tallies[l - 'a'] % 2 == 1 && expected.find(l) == std::string::npos) expected += l;
    }
    Require(selection == expected, "a selection that is not the letters of odd count", selection);
}

void CheckCompletion(const CernRequest& request, const CernResult& shown, const std::vector<std::string>& lines,
                     int32_t found) {
    const std::array<int, 26> base = Tallies(request.base), goal = Tallies(request.goal);
    if (std::any_of(goal.begin(), goal.end(), [](int n) { return n > 1; }))
        return Require(lines == std::vector<std::string>{std::string(kDoubleGoalMessage)} && !shown.status,
                       "a double goal not refused");
    std::set<std::string> expected, listed;
    for (const std::string& w : TinyWords()) {
        const std::array<int, 26> word = Tallies(w);
        bool leavesGoal = true;
        for (size_t l = 0; l < 26; ++l) leavesGoal &= (base[l] + word[l]) % 2 == goal[l];
        if (leavesGoal) expected.insert(w);
    }
    std::vector<std::string> group;
    for (const std::string& line : lines) {
        bool open = false;
        size_t start = 0;
        for (size_t end; (end = line.find(' ', start)) != std::string::npos; start = end + 1) {
            std::string word = line.substr(start, end - start);
            const bool opens = !word.empty() && word.front() == '[', closes = !word.empty() && word.back() == ']';
            Require(!(open && opens) && (open || opens || !closes), "a bracket out of place", line);
            word = word.substr(opens, word.size() - opens - closes);
            Require(listed.insert(word).second, "a word listed twice", word);
            group.push_back(word);
            open = (open || opens) && !closes;
            if (open) continue;
            Require(AnagramsOf(word) == group && (opens || closes) == (group.size() > 1), "a class not whole", line);
            group.clear();
        }
        Require(!open && start == line.size(), "a line that does not end with a whole class", line);
    }
    Require(listed == expected && found == static_cast<int32_t>(listed.size()) && shown.status.has_value(),
            "the completion is not the goal's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const std::vector<std::string> f = Fields(data + 1, size - 1, 2);
    CernGame& game = app.Get<CernGame>();
    CernRequest request;
    request.base = f[0].substr(0, kCernBaseMaxLength);
    request.goal = f[1].substr(0, kCernGoalMaxLength);
    request.mode = (data[0] & 1) != 0 ? kCernComplete : kCernOnTheFly;

    Sink().Reset();
    game.PageShown(app.dict);
    GameContext ctx = app.Context();
    const int change = (data[0] >> 1) & 3;
    const CernResult shown = change == 1   ? game.BaseChanged(ctx, request)
                             : change == 2 ? game.GoalChanged(ctx, request)
                                           : game.ModeChosen(ctx, request);
    const std::vector<std::string>& lines = Sink().Lines();
    CheckSelection(request.base, shown.selection);
    if (request.mode == kCernComplete || change == 2) {
        CheckCompletion(request, shown, lines, app.state.FoundCount.load());
        return 0;
    }
    std::string expected;
    for (const std::string& w : AnagramsOf(shown.selection)) expected += w + ' ';
    Require(lines == std::vector<std::string>{expected} && shown.status == std::string(),
            "the words shown are not the selection's anagrams", expected);
    return 0;
}
