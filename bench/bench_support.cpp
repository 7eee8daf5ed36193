#include "bench/bench_support.h"

#include <cstdlib>
#include <map>
#include <memory>

#include "dictionary/dictionary_loader.h"
#include "dizio/dizio_game.h"

namespace sillabor::bench {

namespace {

class NullSink : public LineSink {
public:
    void WriteLine(std::string_view) override {}
};

}  // namespace

std::filesystem::path DataFolder() {
    if (const char* env = std::getenv("SILLABOR_BENCH_DATA"); env != nullptr && *env != '\0') return env;
    return std::filesystem::path(SILLABOR_SOURCE_DIR) / "bench" / "data";
}

App* LoadedApp(const std::filesystem::path& folder, const std::string& name) {
    static NullSink sink;
    static std::map<std::string, std::unique_ptr<App>> loaded;
    const std::string key = folder.string() + "|" + name;
    if (auto found = loaded.find(key); found != loaded.end()) return found->second.get();
    auto app = std::make_unique<App>(folder);
    app->out.SetSink(&sink);
    const DictionaryJob job = app->Job();
    if (ScanDictionaries(job, app->Get<DizioGame>().dictionaries) != 0) return nullptr;
    app->dict.DictionaryName = name;
    if (LoadDictionary(job) != 0 || app->dict.DictionaryName != name) return nullptr;
    return (loaded[key] = std::move(app)).get();
}

App* LargeApp() { return LoadedApp(DataFolder(), "Grande"); }

App* DefaultApp() { return LoadedApp(SILLABOR_SOURCE_DIR, kDefaultDictionary); }

}  // namespace sillabor::bench
