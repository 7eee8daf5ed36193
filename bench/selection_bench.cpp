// The "Cern" page on the large dictionary: the parity masks computed when the
// page is shown, and its keystrokes: a long base on the fly, and the
// completion that lists the most words. Printed lines go nowhere.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "bench/cern_worst_base.h"
#include "cern/cern_game.h"

using namespace sillabor;
using bench::LargeApp;

namespace {

CernGame* LoadedGame(benchmark::State& state, App*& app) {
    app = LargeApp();
    if (app == nullptr) {
        state.SkipWithError("the large dictionary is missing: run bench/make-large-dictionary.sh");
        return nullptr;
    }
    CernGame& game = app->Get<CernGame>();
    game.PageShown(app->dict);
    return &game;
}

void BM_CernMasksLarge(benchmark::State& state) {
    App* app = nullptr;
    if (LoadedGame(state, app) == nullptr) return;
    for (auto _ : state) {
        CernMasks masks;
        masks.Update(app->dict);
        benchmark::DoNotOptimize(masks.Masks().data());
    }
    state.counters["classes"] = app->dict.ClassCount;
}

void BM_CernOnTheFlyLongBase(benchmark::State& state) {
    App* app = nullptr;
    CernGame* game = LoadedGame(state, app);
    if (game == nullptr) return;
    // The longest base the field takes.
    std::string base;
    while (base.size() < kCernBaseMaxLength) base += "la settimana enigmistica ";
    const CernRequest request{base.substr(0, kCernBaseMaxLength), "", kCernOnTheFly};
    for (auto _ : state) {
        GameContext ctx = app->Context();
        benchmark::DoNotOptimize(game->BaseChanged(ctx, request));
    }
}

void BM_CernCompletionWorstLarge(benchmark::State& state) {
    App* app = nullptr;
    CernGame* game = LoadedGame(state, app);
    if (game == nullptr) return;
    const bench::WorstCernBase worst = bench::FindWorstCernBase(app->dict, game->masks);
    const CernRequest request{worst.base, "", kCernComplete};
    for (auto _ : state) {
        GameContext ctx = app->Context();
        benchmark::DoNotOptimize(game->GoalChanged(ctx, request));
    }
    state.SetLabel("base \"" + worst.base + "\"");
    state.counters["words"] = app->state.FoundCount.load();
    state.counters["characters"] = static_cast<double>(worst.characters);
}

}  // namespace

BENCHMARK(BM_CernMasksLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CernOnTheFlyLongBase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CernCompletionWorstLarge)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
