#pragma once
// What the tests of the "Cerca" categories share: a tiny dictionary, a typed
// base searched as the page would search it, and the printed lines joined.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "app/run_game.h"
#include "base/output.h"
#include "cerca/cerca_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor::test {

struct CercaTest : ::testing::Test {
    Fixture f;

    CercaState& Cerca() { return f.app->Get<CercaGame>().state; }

    // The printed lines joined by '|', a separator shown as "--"; forgets them.
    std::string Printed() { return f.sink.TakeJoined(); }

    // The page's request: the category, the base typed and the grid options.
    CercaRequest request;
    // What the last search gave back.
    std::shared_ptr<CercaResult> result = std::make_shared<CercaResult>();

    void Type(int category, const std::string& typed, CercaGridMode gridMode = kGridSolve, bool diagonals = true,
              bool reuseLetters = false) {
        request = {static_cast<CercaCategory>(category), typed, diagonals, reuseLetters, gridMode, 0};
    }

    // The printed lines; forgets them.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines = f.sink.Lines();
        f.sink.Reset();
        return lines;
    }

    // Searches the typed base in the category with the page's other options
    // as they are; a count of -1 runs the whole search, else the game alone
    // as if that many results had been counted.
    void Run(int category, const std::string& typed, int32_t startCount = -1) {
        request.category = static_cast<CercaCategory>(category);
        request.base = typed;
        EXPECT_TRUE(std::holds_alternative<CercaRequest>(CheckCercaRequest(request))) << typed;
        result = std::make_shared<CercaResult>();
        const SearchJob job = f.app->Get<CercaGame>().Job(request, result);
        f.sink.Reset();
        f.app->state.FoundCount = startCount;
        EXPECT_EQ(startCount < 0 ? RunGame(*f.app, job) : f.RunAsIs(job), 0);
    }
    std::string Search(int category, const std::string& typed, int32_t startCount = -1) {
        Run(category, typed, startCount);
        return Printed();
    }

    // Runs the category on the state's base with the stop already requested.
    std::string SearchStopped(int category) {
        f.app->state.StopRequested = true;
        f.app->state.FoundCount = 0;
        EXPECT_EQ(f.RunAsIs<CercaGame>(category), 0);
        f.app->state.StopRequested = false;
        return Printed();
    }
};

}  // namespace sillabor::test
