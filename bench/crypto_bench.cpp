// The cryptogram solver on a fixed set of generated cryptograms: sentences of
// 3 to 12 words of Default, with word lengths drawn as in running text,
// enciphered with random keys in the letter notation and in the numeric one
// (with 0 to 3 known letters), some with jokers. The same set runs on Default
// and on the large dictionary (bench/make-large-dictionary.sh).
//
//   crypto_bench                 Google Benchmark, one benchmark a cryptogram
//   crypto_bench --tabella       one line a cryptogram (best of three runs),
//                                then the median and the slowest, per dictionary

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "app/run_game.h"
#include "bench/bench_support.h"
#include "decrit/decrit_game.h"
#include "dictionary/word_orders.h"

using namespace sillabor;

namespace {

constexpr uint32_t kSetSeed = 20261206;
constexpr int kSetSize = 36;

struct Cryptogram {
    std::string text;   // as typed in the page's text
    std::string plain;  // the sentence's solution line
    const char* notation;
    int words;
};

// Word lengths of running Italian text, 1 to 12 letters.
const int kLengthWeights[] = {0, 4, 14, 10, 10, 10, 10, 10, 9, 7, 6, 4, 3};

std::vector<Cryptogram> MakeSet(const Dictionary& dict) {
    std::vector<std::vector<const char*>> byLength(13);
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const size_t length = std::strlen(dict.Words[slot]);
        if (length < byLength.size()) byLength[length].push_back(dict.Words[slot]);
    }
    std::vector<Cryptogram> set;
    std::mt19937 random(kSetSeed);
    std::discrete_distribution<int> lengthOf(std::begin(kLengthWeights), std::end(kLengthWeights));
    for (int k = 0; k < kSetSize; ++k) {
        const bool numeric = (k / 6) % 2 == 1;
        const bool jokers = k >= 24;
        const int known = numeric ? k % 4 : 0;
        Cryptogram c;
        c.notation = numeric ? (jokers ? "numeri+jolly" : "numeri") : (jokers ? "lettere+jolly" : "lettere");
        c.words = 3 + static_cast<int>(random() % 10);
        std::vector<std::string> sentence;
        for (int w = 0; w < c.words; ++w) {
            int length;
            do length = lengthOf(random);
            while (byLength[static_cast<size_t>(length)].empty());
            const auto& pool = byLength[static_cast<size_t>(length)];
            sentence.emplace_back(pool[random() % pool.size()]);
            c.plain += sentence.back() + " ";
        }
        // A random key: a letter, or a number 1..26, for each plain letter.
        std::string key = "abcdefghijklmnopqrstuvwxyz";
        std::shuffle(key.begin(), key.end(), random);
        std::string letters;
        for (const std::string& word : sentence)
            for (char ch : word)
                if (letters.find(ch) == std::string::npos) letters.push_back(ch);
        std::shuffle(letters.begin(), letters.end(), random);
        const std::string shown = letters.substr(0, static_cast<size_t>(std::min<int>(known, static_cast<int>(letters.size()))));
        int jokersLeft = jokers ? 1 + static_cast<int>(random() % 2) : 0;
        for (const std::string& word : sentence) {
            if (!c.text.empty()) c.text += numeric ? "  " : " ";
            for (size_t i = 0; i < word.size(); ++i) {
                if (numeric && i > 0) c.text += ' ';
                if (jokersLeft > 0 && random() % 8 == 0) {
                    c.text += '*';
                    --jokersLeft;
                } else if (shown.find(word[i]) != std::string::npos) {
                    c.text += word[i];
                } else if (numeric) {
                    c.text += std::to_string(key[static_cast<size_t>(word[i] - 'a')] - 'a' + 1);
                } else {
                    c.text += key[static_cast<size_t>(word[i] - 'a')];
                }
            }
        }
        set.push_back(std::move(c));
    }
    return set;
}

// The set, made once from Default in byte order.
const std::vector<Cryptogram>& TheSet() {
    static const std::vector<Cryptogram> set = [] {
        App* app = bench::DefaultApp();
        return app == nullptr ? std::vector<Cryptogram>{} : MakeSet(app->dict);
    }();
    return set;
}

// Tells whether the sentence was among the printed solutions.
class PlainSink : public LineSink {
public:
    explicit PlainSink(const std::string& plain) : plain_(plain) {}
    void WriteLine(std::string_view line) override { found |= line == plain_; }
    bool found = false;

private:
    const std::string& plain_;
};

struct Outcome {
    int32_t solutions;
    bool plainFound;
    double ms;     // wall clock
    double cpuMs;  // the thread's processor time: steady on a busy machine
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

Outcome Solve(App& app, const Cryptogram& c) {
    PlainSink sink(c.plain);
    LineSink* before = app.out.Sink();
    app.out.SetSink(&sink);
    const double cpuStart = ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    RunGame(app, app.Get<DecritGame>().Job({kDecrittaSearch, c.text}, nullptr));
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const double cpu = ThreadCpuMs() - cpuStart;
    app.out.SetSink(before);
    return {app.state.FoundCount.load(), sink.found, took.count(), cpu};
}

void BM_Cryptogram(benchmark::State& state, App* (*loaded)(), int index) {
    App* app = loaded();
    if (app == nullptr) {
        state.SkipWithError("dictionary missing (the large one: bench/make-large-dictionary.sh)");
        return;
    }
    const Cryptogram& c = TheSet()[static_cast<size_t>(index)];
    Outcome outcome{};
    for (auto _ : state) outcome = Solve(*app, c);
    state.counters["solutions"] = outcome.solutions;
    state.counters["plain"] = outcome.plainFound ? 1 : 0;
}

// The first solve after a search that needed byte order: the sort by length.
void BM_LengthOrderThenSolve(benchmark::State& state, App* (*loaded)()) {
    App* app = loaded();
    if (app == nullptr || TheSet().empty()) {
        state.SkipWithError("dictionary missing");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        RestoreByteOrder(app->dict);
        state.ResumeTiming();
        Solve(*app, TheSet()[0]);
    }
}

int PrintTable() {
    struct Dict {
        const char* name;
        App* app;
    };
    const Dict dicts[] = {{"Default", bench::DefaultApp()}, {"Grande", bench::LargeApp()}};
    std::printf("%-3s %-14s %5s %-60s", "n", "notazione", "parole", "crittogramma");
    for (const Dict& d : dicts) std::printf(" | %-8s %6s %8s %8s", d.name, "soluz.", "ms", "cpu ms");
    std::printf("\n");
    std::vector<std::vector<double>> times(std::size(dicts)), cpuTimes(std::size(dicts));
    for (size_t k = 0; k < TheSet().size(); ++k) {
        const Cryptogram& c = TheSet()[k];
        std::string shown = c.text.size() > 60 ? c.text.substr(0, 57) + "..." : c.text;
        std::printf("%-3zu %-14s %5d %-60s", k, c.notation, c.words, shown.c_str());
        for (size_t d = 0; d < std::size(dicts); ++d) {
            if (dicts[d].app == nullptr) {
                std::printf(" | %-8s %6s %8s %8s", "-", "-", "-", "-");
                continue;
            }
            Outcome best = Solve(*dicts[d].app, c);
            for (int run = 0; run < 2; ++run) {
                const Outcome again = Solve(*dicts[d].app, c);
                best.ms = std::min(best.ms, again.ms);
                best.cpuMs = std::min(best.cpuMs, again.cpuMs);
            }
            times[d].push_back(best.ms);
            cpuTimes[d].push_back(best.cpuMs);
            std::printf(" | %-8s %6d %8.3f %8.3f", best.plainFound ? "trovata" : "NO", best.solutions, best.ms,
                        best.cpuMs);
        }
        std::printf("\n");
    }
    for (size_t d = 0; d < std::size(dicts); ++d) {
        std::vector<double>& t = times[d];
        std::vector<double>& cpu = cpuTimes[d];
        if (t.empty()) continue;
        std::sort(t.begin(), t.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%s: %zu crittogrammi, mediana %.3f ms (cpu %.3f), massimo %.3f ms (cpu %.3f)\n", dicts[d].name,
                    t.size(), t[t.size() / 2], cpu[cpu.size() / 2], t.back(), cpu.back());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--tabella") == 0) return PrintTable();
    for (int k = 0; k < static_cast<int>(TheSet().size()); ++k) {
        for (auto [name, loaded] : {std::pair{"Default", &bench::DefaultApp}, std::pair{"Grande", &bench::LargeApp}}) {
            char label[64];
            std::snprintf(label, sizeof label, "Decrit/%s/%02d", name, k);
            benchmark::RegisterBenchmark(label, BM_Cryptogram, loaded, k)->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("Decrit/Default/LengthOrderThenSolve", BM_LengthOrderThenSolve, &bench::DefaultApp)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Decrit/Grande/LengthOrderThenSolve", BM_LengthOrderThenSolve, &bench::LargeApp)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
