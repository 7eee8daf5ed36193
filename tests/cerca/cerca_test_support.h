#pragma once
// What the tests of the "Cerca" categories share: a tiny dictionary, a typed
// base searched as the page would search it, and the printed lines joined.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_game.h"
#include "base/output.h"
#include "cerca/base_word.h"
#include "cerca/manage_cat.h"
#include "support/fixture_dictionary.h"

namespace sillabor::test {

struct CercaTest : ::testing::Test {
    Fixture f;

    CercaState& Cerca() { return f.app->Get<CercaGame>().state; }

    // The printed lines joined by '|', a separator shown as "--"; forgets them.
    std::string Printed() { return f.sink.TakeJoined(); }

    // The page's controls for the category, the base typed and the grid options.
    void Type(int category, const std::string& typed, int radioParo = kGridSolve, bool diag = true,
              bool riuso = false) {
        CercaControls& page = Cerca().page;
        page.Categoria = category;
        page.LaBase = typed;
        page.RadioParo = radioParo;
        page.CheckDiag = diag;
        page.CheckRiuso = riuso;
        ApplyGridOptions(ManageCat(page), Cerca());
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
        Type(category, typed, Cerca().page.RadioParo, Cerca().page.CheckDiag, Cerca().page.CheckRiuso);
        EXPECT_EQ(NormaliseBase(Cerca(), f.app->out), kBaseReady) << typed;
        f.sink.Reset();
        f.app->state.FoundCount = startCount;
        EXPECT_EQ(startCount < 0 ? RunGame<CercaGame>(*f.app, category) : f.RunAsIs<CercaGame>(category), 0);
    }
    std::string Search(int category, const std::string& typed, int32_t startCount = -1) {
        Run(category, typed, startCount);
        return Printed();
    }

    // Runs the category on the record's base with the stop already requested.
    std::string SearchStopped(int category) {
        f.app->state.StopRequested = true;
        f.app->state.FoundCount = 0;
        EXPECT_EQ(f.RunAsIs<CercaGame>(category), 0);
        f.app->state.StopRequested = false;
        return Printed();
    }
};

}  // namespace sillabor::test
