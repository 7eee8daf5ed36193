// Word ladder benchmarks on the large dictionary, already loaded, with every
// option on (additions and removals down to one letter, anagrams): a ladder
// between two unrelated seven-letter words. The first search on a dictionary
// groups its moves; later searches reuse the groups. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "metagr/ladder_search.h"

using namespace sillabor;

namespace {

const MetagrRequest kFormicaPianeta{"formica", "pianeta", true, true, 1};
const MetagrRequest kRosaFiore{"rosa", "fiore", true, true, 1};

void RunLadder(benchmark::State& state, App* app, bool freshIndex, const MetagrRequest& page = kFormicaPianeta) {
    if (app == nullptr) {
        state.SkipWithError("the dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    MetagrState ladder;
    NeighbourIndex kept;
    kept.Prepare(app->dict);
    for (auto _ : state) {
        NeighbourIndex fresh;
        app->state.FoundCount = 0;
        MetagrRun run{app->dict, app->out, app->state, page, ladder, freshIndex ? fresh : kept};
        LadderSearch(run);
    }
    state.counters["chains"] = app->state.FoundCount.load();
    state.counters["level"] = ladder.FoundLevel;
}

// Grouping the moves of the dictionary, then the search.
void BM_LadderFirstSearchLarge(benchmark::State& state) { RunLadder(state, bench::LargeApp(), true); }
// The search alone: labelling and walk back.
void BM_LadderSearchLarge(benchmark::State& state) { RunLadder(state, bench::LargeApp(), false); }
// The shipped dictionary, from rosa to fiore.
void BM_LadderFirstSearchDefault(benchmark::State& state) { RunLadder(state, bench::DefaultApp(), true, kRosaFiore); }

}  // namespace

BENCHMARK(BM_LadderFirstSearchLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LadderSearchLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LadderFirstSearchDefault)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
