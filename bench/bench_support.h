#pragma once
// What the benchmarks share: the folder of the large dictionary
// (bench/make-large-dictionary.sh) and applications loaded once per run.

#include <filesystem>
#include <string>

#include "app/app.h"

namespace sillabor::bench {

// bench/data, or the folder named by SILLABOR_BENCH_DATA.
std::filesystem::path DataFolder();

// An application with `name` loaded from the folder's Dizionari/ (building the
// prepared file the first time), printing nowhere; kept for the whole run.
// Null when the dictionary cannot be loaded.
App* LoadedApp(const std::filesystem::path& folder, const std::string& name);

// The large dictionary "Grande" of DataFolder(), and the shipped Default.
App* LargeApp();
App* DefaultApp();

}  // namespace sillabor::bench
