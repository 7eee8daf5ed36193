#pragma once
// Runs the "Curio" page's reports on tiny dictionaries and gives their lines.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/run_game.h"
#include "curio/curio_game.h"
#include "curio/curio_reports.h"
#include "support/fixture_dictionary.h"

namespace sillabor::test {

struct CurioTest : ::testing::Test {
    Fixture f;

    CurioState& Curio() { return f.app->Get<CurioGame>().state; }

    // The printed lines joined by '|', a separator shown as "--".
    std::string Printed() { return f.sink.TakeJoined(); }

    // Runs a report as the search thread does and gives its lines.
    std::string Report(int code) {
        f.sink.Reset();
        EXPECT_EQ(RunGame<CurioGame>(*f.app, code), 0);
        return Printed();
    }

    std::string Report(const std::vector<std::string>& words, int code) {
        f.LoadDefault(words);
        return Report(code);
    }
};

// One report on one word list, and the lines it prints.
struct ReportCase {
    int code;
    std::vector<std::string> words;
    std::string lines;
};

// Names a case in the test listing by its report's caption.
inline void PrintTo(const ReportCase& c, std::ostream* os) { *os << CurioCaption(c.code); }

}  // namespace sillabor::test
