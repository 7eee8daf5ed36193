// Dictionary benchmarks: loading the large dictionary's prepared file, the
// byte-order sort on its words, and building Default from its source.
//
// The large dictionary comes from bench/make-large-dictionary.sh; its folder is
// $SILLABOR_BENCH_DATA, or bench/data of the source tree.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/app.h"
#include "bench/bench_support.h"
#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_loader.h"
#include "dictionary/prepared_file.h"
#include "dictionary/word_orders.h"

namespace fs = std::filesystem;
using namespace sillabor;
using bench::DataFolder;

namespace {

constexpr const char* kLargeName = "Grande";

bool LargeSourcesPresent() {
    std::error_code ec;
    return fs::is_directory(DataFolder() / "Dizionari" / kLargeName, ec) &&
           fs::is_directory(DataFolder() / "Dizionari" / kDefaultDictionary, ec);
}

// Builds the large dictionary's prepared file when it is missing, so that the
// load benchmark measures a load alone.
bool EnsureLargePrepared() {
    std::error_code ec;
    if (fs::exists(PreparedFilePath(DataFolder() / "Dizionari", kLargeName), ec)) return true;
    std::fprintf(stderr, "building the prepared file of %s once...\n", kLargeName);
    App app(DataFolder());
    app.dict.DictionaryName = kLargeName;
    return LoadDictionary(app.Job()) == 0 && app.dict.DictionaryName == kLargeName;
}

// The whole load: header and text read, checks, classes, byte order, lookup tables.
void BM_LoadLarge(benchmark::State& state) {
    int32_t words = 0;
    for (auto _ : state) {
        App app(DataFolder());
        app.dict.DictionaryName = kLargeName;
        if (LoadDictionary(app.Job()) != 0 || app.dict.DictionaryName != kLargeName) {
            state.SkipWithError("the large dictionary did not load");
            return;
        }
        words = app.dict.WordCount - 1;
        benchmark::DoNotOptimize(app.dict.Words.data());
    }
    state.counters["words"] = words;
}

// The byte-order sort alone, on the large dictionary's words in the order the
// prepared file holds them (by anagram class).
void BM_SortByteOrderLarge(benchmark::State& state) {
    App app(DataFolder());
    app.dict.DictionaryName = kLargeName;
    if (LoadDictionary(app.Job()) != 0 || app.dict.DictionaryName != kLargeName) {
        state.SkipWithError("the large dictionary did not load");
        return;
    }
    const Dictionary& d = app.dict;
    std::vector<char*> fileOrder;
    fileOrder.reserve(static_cast<size_t>(d.WordCount));
    for (char* p = d.WordText.get() + 2; p < d.WordText.get() + 2 + d.TextLength; p += std::strlen(p) + 1)
        fileOrder.push_back(p);
    std::vector<char*> words(fileOrder.size());
    for (auto _ : state) {
        state.PauseTiming();
        words = fileOrder;
        state.ResumeTiming();
        SortByteOrder(words.data(), words.size());
        benchmark::DoNotOptimize(words.data());
    }
    state.counters["words"] = static_cast<double>(words.size());
}

// Building Default from its source, in a private copy of its folder.
void BM_BuildDefault(benchmark::State& state) {
    std::error_code ec;
    const fs::path source = fs::path(SILLABOR_SOURCE_DIR) / "Dizionari" / kDefaultDictionary / "italian.txt";
    const fs::path root = fs::temp_directory_path() / ("sillabor-bench-" + std::to_string(::getpid()));
    const fs::path folder = root / "Dizionari" / kDefaultDictionary;
    fs::create_directories(folder, ec);
    if (ec || !fs::copy_file(source, folder / "italian.txt", fs::copy_options::overwrite_existing, ec)) {
        state.SkipWithError("cannot copy the Default source");
        fs::remove_all(root, ec);
        return;
    }
    const fs::path prepared = PreparedFilePath(root / "Dizionari", kDefaultDictionary);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(prepared, ec);
        App app(root);
        state.ResumeTiming();
        if (BuildDictionary(app.Job(), kDefaultDictionary) != 0) {
            state.SkipWithError("the build of Default failed");
            break;
        }
    }
    fs::remove_all(root, ec);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (LargeSourcesPresent() && EnsureLargePrepared()) {
        BENCHMARK(BM_LoadLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
        BENCHMARK(BM_SortByteOrderLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
    } else {
        std::fprintf(stderr, "no large dictionary in %s: run bench/make-large-dictionary.sh\n",
                     DataFolder().string().c_str());
    }
    BENCHMARK(BM_BuildDefault)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
