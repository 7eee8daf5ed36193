// Benchmarks of the "Cerca" categories on the shipped Default and on the large
// dictionary (bench/make-large-dictionary.sh), with the dictionary loaded and
// the search's lookup structures already built: the time of the search alone.
// The structures' one-time build is timed on its own. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "app/run_game.h"
#include "bench/bench_support.h"
#include "cerca/cerca_game.h"

using namespace sillabor;

namespace {

App* Dictionary(benchmark::State& state, bool large) {
    App* app = large ? bench::LargeApp() : bench::DefaultApp();
    if (app == nullptr) state.SkipWithError("the dictionary is missing: run bench/make-large-dictionary.sh");
    return app;
}

// Checks the request as the window would and gives it to the game's state,
// where RunGame searches it.
bool Prepare(App& app, int category, const std::string& base, int gridMode = kGridSolve, bool diagonals = true) {
    CercaRequest request;
    request.category = static_cast<CercaCategory>(category);
    request.base = base;
    request.gridMode = static_cast<CercaGridMode>(gridMode);
    request.diagonals = diagonals;
    const Checked<CercaRequest> checked = CheckCercaRequest(request);
    if (!std::holds_alternative<CercaRequest>(checked)) return false;
    app.Get<CercaGame>().state.Start(std::get<CercaRequest>(checked));
    return true;
}

void RunCategory(benchmark::State& state, bool large, int category, const std::string& base) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    if (!Prepare(*app, category, base)) {
        state.SkipWithError("base refused");
        return;
    }
    RunGame<CercaGame>(*app, category);  // builds the lookup structures once
    for (auto _ : state) RunGame<CercaGame>(*app, category);
    state.counters["found"] = app->state.FoundCount.load();
}

// A grid: solved, or arranged (the 100 or 50 trial boards each scored by a
// walk of the grid), or arranged and then solved.
void RunGrid(benchmark::State& state, bool large, const std::string& base, int mode, bool diagonals) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    CercaState& cerca = app->Get<CercaGame>().state;
    if (!Prepare(*app, kCercaGrid, base, mode, diagonals)) {
        state.SkipWithError("base refused");
        return;
    }
    const std::string typed = cerca.BaseWord;
    RunGame<CercaGame>(*app, kCercaGrid);
    for (auto _ : state) {
        cerca.BaseWord = typed;  // the arrangement replaces it
        RunGame<CercaGame>(*app, kCercaGrid);
    }
    if (mode != kGridSolve) {
        const int boards = typed.size() >= 25 ? 50 : 100;
        state.counters["boards/s"] = benchmark::Counter(boards, benchmark::Counter::kIsIterationInvariantRate);
    }
    if (mode != kGridArrange) state.counters["words"] = cerca.DistinctFound;
}

// The words of the arranged grid (arranged, then solved) for seeds 1 to 10.
void BM_ArrangeSeeds(benchmark::State& state, bool large, const std::string& base) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    CercaState& cerca = app->Get<CercaGame>().state;
    for (auto _ : state) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            if (!Prepare(*app, kCercaGrid, base, kGridArrangeThenSolve)) return;
            app->random.SeedFrom(seed);
            RunGame<CercaGame>(*app, kCercaGrid);
            state.counters["seed" + std::to_string(seed < 10 ? 0 : 1) + std::to_string(seed % 10)] =
                cerca.DistinctFound;
        }
    }
}

void BM_BuildTrie(benchmark::State& state, bool large) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    for (auto _ : state) {
        WordTrie trie;
        trie.Build(app->dict);
        benchmark::DoNotOptimize(trie);
    }
}

void BM_BuildSuffixIndex(benchmark::State& state, bool large) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    for (auto _ : state) {
        SuffixIndex index;
        index.Build(app->dict);
        benchmark::DoNotOptimize(index);
    }
}

void RegisterCategories() {
    const char* bases[] = {"mare", "cantare", "portafoglio"};
    for (bool large : {false, true}) {
        const std::string dict = large ? "Large" : "Default";
        for (int category = kCercaCharades; category <= kCercaIncluded; ++category) {
            std::vector<std::string> tried(std::begin(bases), std::end(bases));
            if (category == kCercaIncluded) tried.push_back("[qu]adrilatero**");
            for (const std::string& base : tried) {
                const std::string name = "BM_Cerca" + std::to_string(category) + "/" + dict + "/" + base;
                benchmark::RegisterBenchmark(name.c_str(),
                                             [=](benchmark::State& s) { RunCategory(s, large, category, base); })
                    ->Unit(benchmark::kMillisecond);
            }
        }
        const std::string grid4 = "casaletomarinepo", grid5 = "esaletomarinepoatrcsniloe";
        for (bool diagonals : {true, false}) {
            const std::string how = diagonals ? "diag" : "nodiag";
            benchmark::RegisterBenchmark(("BM_GridSolve5x5/" + dict + "/" + how).c_str(),
                                         [=](benchmark::State& s) { RunGrid(s, large, grid5, kGridSolve, diagonals); })
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark(("BM_GridSolve4x4/" + dict).c_str(),
                                     [=](benchmark::State& s) { RunGrid(s, large, grid4, kGridSolve, true); })
            ->Unit(benchmark::kMillisecond);
        for (const std::string& grid : {grid4, grid5}) {
            const std::string size = grid.size() == 16 ? "4x4" : "5x5";
            benchmark::RegisterBenchmark(("BM_GridArrange" + size + "/" + dict).c_str(),
                                         [=](benchmark::State& s) { RunGrid(s, large, grid, kGridArrange, true); })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("BM_ArrangeSeeds" + size + "/" + dict).c_str(), BM_ArrangeSeeds, large, grid)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
        for (const char* base : {"mrt", "cntr*", "portafoglio"})
            benchmark::RegisterBenchmark(("BM_Consonando/" + dict + "/" + base).c_str(),
                                         [=](benchmark::State& s) { RunCategory(s, large, kCercaConsonando, base); })
                ->Unit(benchmark::kMillisecond);
        for (const char* base : {"casa tetto", "mare monte sole", "portafoglio cantare"})
            benchmark::RegisterBenchmark(("BM_Sizigie/" + dict + "/" + base).c_str(),
                                         [=](benchmark::State& s) { RunCategory(s, large, kCercaSizigie, base); })
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_BuildTrie/" + dict).c_str(), BM_BuildTrie, large)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_BuildSuffixIndex/" + dict).c_str(), BM_BuildSuffixIndex, large)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterCategories();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
