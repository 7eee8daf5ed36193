// Benchmarks of the "Cerca" categories on the shipped Default and on the large
// dictionary (bench/make-large-dictionary.sh), with the dictionary loaded and
// the search's lookup structures already built: the time of the search alone.
// The structures' one-time build is timed on its own. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include <string>

#include "app/run_game.h"
#include "bench/bench_support.h"
#include "cerca/base_word.h"
#include "cerca/cerca_game.h"
#include "cerca/manage_cat.h"

using namespace sillabor;

namespace {

App* Dictionary(benchmark::State& state, bool large) {
    App* app = large ? bench::LargeApp() : bench::DefaultApp();
    if (app == nullptr) state.SkipWithError("the dictionary is missing: run bench/make-large-dictionary.sh");
    return app;
}

// Fills the page as the window would and checks the base.
bool Prepare(App& app, int category, const std::string& base, int gridMode = kGridSolve, bool diagonals = true) {
    CercaState& cerca = app.Get<CercaGame>().state;
    cerca.page = CercaControls{};
    cerca.page.Categoria = category;
    cerca.page.LaBase = base;
    cerca.page.RadioParo = gridMode;
    cerca.page.CheckDiag = diagonals;
    ApplyGridOptions(ManageCat(cerca.page), cerca);
    return NormaliseBase(cerca, app.out) == kBaseReady;
}

void RunCategory(benchmark::State& state, bool large, int category, const std::string& base) {
    App* app = Dictionary(state, large);
    if (app == nullptr) return;
    if (!Prepare(*app, category, base)) {
        state.SkipWithError("base refused");
        return;
    }
    RunGame(*app, kGameCerca, category);  // builds the lookup structures once
    for (auto _ : state) RunGame(*app, kGameCerca, category);
    state.counters["found"] = app->state.FoundCount.load();
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
                benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& s) { RunCategory(s, large, category, base); })
                    ->Unit(benchmark::kMillisecond);
            }
        }
        benchmark::RegisterBenchmark(("BM_BuildTrie/" + dict).c_str(), BM_BuildTrie, large)->Unit(benchmark::kMillisecond);
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
