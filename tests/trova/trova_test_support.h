#pragma once
// Runs of the "Trova" page on tiny dictionaries, and their printed lines.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/run_game.h"
#include "support/fixture_dictionary.h"
#include "trova/trova_game.h"

namespace sillabor::test {

struct TrovaFixture {
    Fixture f;

    TrovaControls& page() { return f.app->Get<TrovaGame>().state.page; }
    // Checks TuttiCambi and fills the letter fields.
    void Letters(const std::string& from, const std::string& to = "") {
        page().TuttiCambi = true;
        page().CambioDa = from;
        page().CambioA = to;
    }

    // The lines of one run, the separator shown as "--".
    std::vector<std::string> Lines(int option, uint32_t seed = 1) {
        f.sink.Reset();
        f.app->random.SeedFrom(seed);
        last = RunGame(*f.app, kGameTrova, option);
        std::vector<std::string> lines = f.sink.Lines();
        for (std::string& line : lines)
            if (line == std::string(50, '-')) line = "--";
        return lines;
    }
    // The result lines of a run, without its title and separator.
    std::vector<std::string> Results(int option, uint32_t seed = 1) {
        std::vector<std::string> lines = Lines(option, seed);
        lines.erase(lines.begin(), lines.begin() + std::min<size_t>(2, lines.size()));
        return lines;
    }
    std::set<std::string> Distinct(int option, uint32_t seed = 1) {
        const std::vector<std::string> lines = Results(option, seed);
        return {lines.begin(), lines.end()};
    }
    int32_t Found() const { return f.app->state.FoundCount; }

    int last = 0;
};

}  // namespace sillabor::test
