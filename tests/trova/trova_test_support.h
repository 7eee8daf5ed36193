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

    // What the next runs ask for, but their game.
    TrovaRequest request;
    // Asks for the letters of the fields `from` and `to`.
    void Letters(const std::string& from, const std::string& to = "") {
        request.lettersGiven = true;
        request.letter1 = TrovaLetter(from);
        request.letter2 = TrovaLetter(to);
    }

    // The lines of one run, the separator shown as "--".
    std::vector<std::string> Lines(int option, uint32_t seed = 1) {
        f.sink.Reset();
        f.app->random.SeedFrom(seed);
        request.game = option;
        last = RunGame(*f.app, f.app->Get<TrovaGame>().Job(request));
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
    // A run as it stands: without RunGame's reseeding, cleared stop flag and count.
    int RunAsIs(int option) {
        request.game = option;
        return f.RunAsIs(f.app->Get<TrovaGame>().Job(request));
    }
    int32_t Found() const { return f.app->state.FoundCount; }

    int last = 0;
};

}  // namespace sillabor::test
