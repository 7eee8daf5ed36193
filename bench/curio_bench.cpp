// The thirty reports of the "Curio" page on the shipped Default and on the
// large dictionary (bench/make-large-dictionary.sh), already loaded: the time
// of the report alone. Printed lines go nowhere; the random reports use a
// fixed seed; "micro" moves to its next mode at every run, as on the page.

#include <benchmark/benchmark.h>

#include <string>

#include "app/run_game.h"
#include "curio/curio_game.h"
#include "bench/bench_support.h"
#include "curio/curio_reports.h"

using namespace sillabor;

namespace {

void RunReport(benchmark::State& state, App* (*loaded)(), int code) {
    App* app = loaded();
    if (app == nullptr) {
        state.SkipWithError("the dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    app->random.SeedFrom(1);
    for (auto _ : state) RunGame<CurioGame>(*app, code);
    state.SetLabel(CurioCaption(code));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    struct Dictionary {
        const char* name;
        App* (*loaded)();
    };
    for (const Dictionary& dictionary : {Dictionary{"Default", bench::DefaultApp}, Dictionary{"Grande", bench::LargeApp}}) {
        for (int code = 1; code <= kCurioReportCount; ++code) {
            const std::string name = std::string("Curio/") + dictionary.name + "/" + std::to_string(code);
            benchmark::RegisterBenchmark(name.c_str(), RunReport, dictionary.loaded, code)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.3);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
