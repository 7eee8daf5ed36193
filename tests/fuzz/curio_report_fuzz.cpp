// A report of the "Curio" page named as a user types it (a button's caption,
// in any case, with blanks around it; "micro" with or without its mode), then
// run on the tiny dictionary. A name is taken only when it is a caption, and
// the report it names runs to its end; micro runs in the mode the name gives.
//
// Input: the name, as typed.

#include <cctype>
#include <string>

#include "app/run_game.h"
#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

std::string Folded(std::string text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    const std::string name(reinterpret_cast<const char*>(data), size);
    int micro = 0;
    const int code = CurioCodeOfCaption(name, &micro);
    Require(code >= 0 && code <= kCurioReportCount, "a report outside 1-30");
    Require(micro == 0 || (code == kCurioMicro && micro >= 1 && micro <= 5), "a mode for a report that is not micro");

    const std::string folded = Folded(name);
    bool caption = folded == "micro" || (folded.size() == 7 && folded.starts_with("micro ") && folded[6] >= '1' &&
                                         folded[6] <= '5');
    for (const CurioButton& button : kCurioButtons)
        caption = caption || (button.code != kCurioMicro && folded == Folded(button.caption));
    Require(caption == (code != 0), code != 0 ? "a name that is no caption was taken" : "a caption was refused", name);
    if (code == 0) return 0;
    if (code != kCurioMicro) Require(folded == Folded(CurioCaption(code)), "a caption names another report", name);

    CurioState& curio = app.Get<CurioGame>().state;
    if (micro != 0) curio.SetNextMicroMode(micro - 1);
    const int mode = (curio.microMode + 1) % kMicroModes;
    Sink().Reset();
    Require(RunGame<CurioGame>(app, code) == 0, "a report failed");
    const std::vector<std::string>& lines = Sink().Lines();
    Require(!lines.empty(), "a report printed nothing");
    if (code == kCurioMicro)
        Require(lines[0].starts_with("Microenigmistica (" + std::to_string(mode + 1) + ")"), "micro in another mode",
                lines[0]);
    return 0;
}
