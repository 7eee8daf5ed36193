// Search benchmarks on the large dictionary (bench/make-large-dictionary.sh),
// with the dictionary already loaded: the time of the search alone, as the
// status line reports it. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "dictionary/dictionary_loader.h"
#include "search/run_game.h"
#include "search/workbench.h"

namespace fs = std::filesystem;
using namespace sillabor;

namespace {

class NullSink : public LineSink {
public:
    void WriteLine(std::string_view) override {}
};

fs::path DataFolder() {
    if (const char* env = std::getenv("SILLABOR_BENCH_DATA"); env != nullptr && *env != '\0') return env;
    return fs::path(SILLABOR_SOURCE_DIR) / "bench" / "data";
}

// One loaded large dictionary for every benchmark of the run.
Workbench* LargeWorkbench() {
    static NullSink sink;
    static std::unique_ptr<Workbench> wb = [] {
        auto made = std::make_unique<Workbench>(DataFolder());
        made->out.SetSink(&sink);
        made->dict.DictionaryName = "Grande";
        if (ScanDictionaries(*made) != 0) return std::unique_ptr<Workbench>();
        made->dict.DictionaryName = "Grande";
        if (LoadDictionary(*made) != 0 || made->dict.DictionaryName != "Grande") return std::unique_ptr<Workbench>();
        return made;
    }();
    return wb.get();
}

void RunParole(benchmark::State& state, const char* pattern) {
    Workbench* wb = LargeWorkbench();
    if (wb == nullptr) {
        state.SkipWithError("the large dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    for (auto _ : state) {
        wb->parolePage = ParolePage{};
        wb->parolePage.Pattern = pattern;
        RunGame(*wb, kGameCerca, 8);
    }
    state.counters["lines"] = wb->state.FoundCount.load();
}

void BM_ParoleJokers1221(benchmark::State& state) { RunParole(state, "1221"); }
void BM_ParoleShapeCVCVCV(benchmark::State& state) { RunParole(state, "c+-+-+"); }
void BM_ParoleDefault10001(benchmark::State& state) { RunParole(state, "*"); }

void BM_AnagramsMarcoPolo(benchmark::State& state) {
    Workbench* wb = LargeWorkbench();
    if (wb == nullptr) {
        state.SkipWithError("the large dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    for (auto _ : state) {
        wb->anagramPage = AnagramPage{};
        wb->anagramPage.Frase = "marco polo";
        wb->anagramPage.ParoMax = 2;
        wb->anagramPage.resultLimitOverride = -1;
        RunGame(*wb, kGameAnagrams, 0);
    }
    state.counters["found"] = wb->state.FoundCount.load();
}

}  // namespace

BENCHMARK(BM_ParoleJokers1221)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParoleShapeCVCVCV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParoleDefault10001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnagramsMarcoPolo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
