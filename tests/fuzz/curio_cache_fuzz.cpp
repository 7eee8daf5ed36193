// The cache files of the "Curio" page's change groups and removals, as a
// damaged, stale or crafted file would hold them. Whatever a file holds, the
// reports that take it ("+ cambi", "tutticambi", "tuttiscarti") never read out
// of bounds and print whole lines; once the file is gone, the report built
// again prints what the first build printed.
//
// Input: one byte of choices (bit 0: the removals' file rather than the change
// groups'; bit 7: the bytes are the whole file, header included, rather than a
// payload under a header that fits the dictionary), then the bytes.

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/run_game.h"
#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "dictionary/index_cache.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

std::vector<std::string> Lines(App& app, int code) {
    app.random.SeedFrom(3);
    Sink().Reset();
    Require(RunGame<CurioGame>(app, code) == 0, "a report failed");
    return Sink().Lines();
}

std::vector<std::string> Reports(App& app, bool removals) {
    if (removals) return Lines(app, kCurioEveryRemoval);
    std::vector<std::string> out = Lines(app, kCurioMostChanges);
    for (std::string& line : Lines(app, kCurioEveryChange)) out.push_back(std::move(line));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const bool removals = (data[0] & 1) != 0;
    const bool wholeFile = (data[0] & 0x80) != 0;
    const std::filesystem::path file = IndexCachePath(app.dict, removals ? "scarti" : "cambi");
    Require(!file.empty(), "no cache file for a dictionary read from disk");

    static std::vector<std::string> built[2];
    if (built[removals].empty()) {
        std::filesystem::remove(file);
        built[removals] = Reports(app, removals);
        std::error_code ec;
        Require(std::filesystem::exists(file, ec), "the report's file was not written");
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    WriteFuzzedCacheFile(file, bytes, wholeFile, FingerprintOf(app.dict));
    // An accepted file may hold any pairs within bounds: the lines are checked as printed.
    Reports(app, removals);
    std::filesystem::remove(file);
    Require(Reports(app, removals) == built[removals], "a report built again prints other lines");
    return 0;
}
