// The dispatch: unknown games, byte order, and games that throw.

#include "app/run_game.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

// A game that throws what its option asks for.
class ThrowingGame : public Game {
public:
    GameInfo Info() const override { return {"prova", "Prova", "Prova", ""}; }
    std::vector<std::string> HelpKeys() const override { return {}; }
    int Run(GameContext& ctx, int option) override {
        ctx.out.PrintLine("prima");
        if (option == 0) throw std::bad_alloc();
        if (option == 1) throw std::runtime_error("indice fuori posto");
        throw 42;
    }
};

TEST(RunGame, AGameThatThrowsEndsWithOneLineAndAFailure) {
    test::Fixture f;
    f.app->Register<ThrowingGame>();
    const std::pair<int, std::string> cases[] = {
        {0, "Errore: memoria insufficiente, ricerca interrotta"},
        {1, "Errore interno: indice fuori posto, ricerca interrotta"},
        {2, "Errore interno, ricerca interrotta"},
    };
    for (const auto& [option, message] : cases) {
        f.sink.Reset();
        EXPECT_EQ(RunGame<ThrowingGame>(*f.app, option), 1);
        EXPECT_EQ(f.sink.Lines(), (Lines{"prima", message}));
    }
}

TEST(RunGame, UnknownGamesAndOptionsRunNothing) {
    test::Fixture f;
    f.LoadDefault({"casa", "rosa", "sera"});
    EXPECT_EQ(RunGame(*f.app, -1, 0), kNoSuchSearch);
    EXPECT_EQ(RunGame(*f.app, 99, 0), kNoSuchSearch);
    EXPECT_EQ(RunGame<AnagrGame>(*f.app, 7), kNoSuchSearch);
    EXPECT_TRUE(f.sink.Lines().empty());
}

TEST(RunGame, RestoresByteOrderOnlyForTheGamesThatNeedIt) {
    test::Fixture f;
    f.LoadDefault({"casa", "ab", "rosa"});
    Dictionary& d = f.app->dict;
    std::swap(d.Words[1], d.Words[2]);
    d.NotAlphabetical = true;
    RunGame<DizioGame>(*f.app, 99);  // loads, builds and exports keep the order they find
    EXPECT_TRUE(d.NotAlphabetical);
    f.app->Get<CercaGame>().state.BaseWord = "casa";
    RunGame<CercaGame>(*f.app, kCercaEdits);
    EXPECT_FALSE(d.NotAlphabetical);
    EXPECT_STREQ(d.Words[1], "ab");
}

}  // namespace
}  // namespace sillabor
