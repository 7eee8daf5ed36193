// Search benchmarks on the large dictionary (bench/make-large-dictionary.sh),
// with the dictionary already loaded: the time of the search alone, as the
// status line reports it. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include "anagr/anagr_game.h"
#include "anagr/anagram_search.h"
#include "app/run_game.h"
#include "bench/bench_support.h"
#include "parole/parole_game.h"

using namespace sillabor;
using bench::LargeApp;

namespace {

void RunParole(benchmark::State& state, const char* pattern) {
    App* app = LargeApp();
    if (app == nullptr) {
        state.SkipWithError("the large dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    ParoleRequest request;
    request.firstPattern = pattern;
    for (auto _ : state) RunGame(*app, app->Get<ParoleGame>().Job(request));
    state.counters["lines"] = app->state.FoundCount.load();
}

void BM_ParoleJokers1221(benchmark::State& state) { RunParole(state, "1221"); }
void BM_ParoleShapeCVCVCV(benchmark::State& state) { RunParole(state, "c+-+-+"); }
void BM_ParoleDefault10001(benchmark::State& state) { RunParole(state, "*"); }

void BM_AnagramsMarcoPolo(benchmark::State& state) {
    App* app = LargeApp();
    if (app == nullptr) {
        state.SkipWithError("the large dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    AnagrRequest request;
    request.phrase = "marco polo";
    request.maxWords = 3;
    request.resultLimit = -1;
    for (auto _ : state) RunGame(*app, app->Get<AnagrGame>().Job(request, kAnagramSearch));
    state.counters["found"] = app->state.FoundCount.load();
}

}  // namespace

BENCHMARK(BM_ParoleJokers1221)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParoleShapeCVCVCV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParoleDefault10001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnagramsMarcoPolo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
