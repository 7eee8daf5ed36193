// The "Trova" page's sixteen generators on the shipped Default and on the
// large dictionary (bench/make-large-dictionary.sh), already loaded: the time
// of one run to its cap or its end, with and without letters. Printed lines
// go nowhere; the seed is fixed, so every iteration makes the same run.
// Sciarade end by themselves two seconds after their last line: their time
// is that of the last line, and "ended_ms" gives the whole run.

#include <benchmark/benchmark.h>

#include <chrono>

#include "app/run_game.h"
#include "bench/bench_support.h"
#include "trova/trova_game.h"

using namespace sillabor;

namespace {

enum Dictionaries { kDefault = 0, kLarge = 1 };

using Clock = std::chrono::steady_clock;

// Drops the lines, keeping the time of the last one.
class LastLineSink : public LineSink {
public:
    void WriteLine(std::string_view) override { last = Clock::now(); }
    Clock::time_point last;
};

struct GeneratorCase {
    const char* name;
    int option;
    const char* letters;  // CambioDa and CambioA; null: TuttiCambi unchecked
};

// Letters for the games that take them: common ones, so that the lists are long.
const GeneratorCase kCases[] = {
    {"scambi", kTrovaScambi, nullptr},
    {"scambi/r-l", kTrovaScambi, "rl"},
    {"cambi", kTrovaCambi, nullptr},
    {"cambi/r-l", kTrovaCambi, "rl"},
    {"antipodi-iniziali", kTrovaAntipodiIniziali, nullptr},
    {"antipodi-iniziali/r", kTrovaAntipodiIniziali, "r"},
    {"antipodi-finali", kTrovaAntipodiFinali, nullptr},
    {"antipodi-finali/a", kTrovaAntipodiFinali, "a"},
    {"metatesi", kTrovaMetatesi, nullptr},
    {"metatesi/r", kTrovaMetatesi, "r"},
    {"scarti", kTrovaScarti, nullptr},
    {"scarti/r", kTrovaScarti, "r"},
    {"cambi-antipodo", kTrovaCambiAntipodo, nullptr},
    {"cambi-antipodo/r-l", kTrovaCambiAntipodo, "rl"},
    {"bifronti-iniziale", kTrovaBifrontiIniziale, nullptr},
    {"bifronti-iniziale/r", kTrovaBifrontiIniziale, "r"},
    {"bifronti-finale", kTrovaBifrontiFinale, nullptr},
    {"bifronti-finale/a", kTrovaBifrontiFinale, "a"},
    {"bifronti-entrambe", kTrovaBifrontiEntrambe, nullptr},
    {"bifronti-entrambe/s-e", kTrovaBifrontiEntrambe, "se"},
    {"sciarade", kTrovaSciarade, nullptr},
    {"sciarade-incatenate", kTrovaSciaradeIncatenate, nullptr},
    {"anagrammi", kTrovaAnagrammi, nullptr},
    {"intarsi", kTrovaIntarsi, nullptr},
    {"lucchetti", kTrovaLucchetti, nullptr},
    {"cerniere", kTrovaCerniere, nullptr},
};

void RunGenerator(benchmark::State& state, const GeneratorCase& c, int dictionary) {
    App* app = dictionary == kLarge ? bench::LargeApp() : bench::DefaultApp();
    if (app == nullptr) {
        state.SkipWithError("the dictionary is missing: run bench/make-large-dictionary.sh");
        return;
    }
    TrovaRequest request;
    request.game = c.option;
    request.lettersGiven = c.letters != nullptr;
    if (c.letters != nullptr) {
        request.letter1 = c.letters[0];
        request.letter2 = c.letters[1];
    }
    const SearchJob job = app->Get<TrovaGame>().Job(request);
    LastLineSink sink;
    LineSink* before = app->out.Sink();
    app->out.SetSink(&sink);
    // What the run needs once per dictionary is made before the timing.
    app->random.SeedFrom(2024);
    RunGame(*app, job);
    const bool endsByItself = c.option == kTrovaSciarade;
    double ended = 0;
    for (auto _ : state) {
        app->random.SeedFrom(2024);
        const Clock::time_point start = Clock::now();
        RunGame(*app, job);
        const Clock::time_point end = Clock::now();
        ended = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(std::chrono::duration<double>((endsByItself ? sink.last : end) - start).count());
    }
    app->out.SetSink(before);
    state.counters["lines"] = app->state.FoundCount.load();
    if (endsByItself) state.counters["ended_ms"] = ended * 1000;
}

void RegisterAll() {
    for (int dictionary : {kDefault, kLarge}) {
        for (const GeneratorCase& c : kCases) {
            const std::string name = std::string(dictionary == kLarge ? "Grande/" : "Default/") + c.name;
            benchmark::RegisterBenchmark(
                name.c_str(), [&c, dictionary](benchmark::State& state) { RunGenerator(state, c, dictionary); })
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime()
                ->Iterations(3);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
