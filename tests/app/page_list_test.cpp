// The one list of games: numbers by registration, one page per game in each
// front end, and a stand-in page that needs only its own files and one line
// in each list.

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "app/app.h"
#include "app/run_game.h"
#include "cli/cli_app.h"
#include "cli/cli_context.h"
#include "dizio/dizio_game.h"
#include "support/fixture_dictionary.h"

#include <CLI/CLI.hpp>

namespace sillabor {
namespace {

// A page of its own: one search that prints its option.
class StandInGame : public Game {
public:
    GameInfo Info() const override { return {"prova", "Prova", "Prova", ""}; }
    std::vector<std::string> HelpKeys() const override { return {}; }
    int Run(GameContext& ctx, int option) override {
        ctx.out.PrintLine("prova " + std::to_string(option) + " su " + std::to_string(ctx.dict.WordCount - 1) + " parole");
        return 0;
    }
};

class OtherStandIn : public StandInGame {};

void WorkbenchAndStandIn(GameRegistry& games) {
    RegisterGames(games);
    games.Register<StandInGame>();
}

// Its command: `prova N` runs its search N.
void AddProvaCommand(CLI::App& app, cli::CommandAction& action) {
    auto option = std::make_shared<int>(0);
    CLI::App* prova = app.add_subcommand("prova", "Pagina di prova");
    prova->add_option("N", *option)->required();
    prova->callback([&action, option] {
        action = [option](cli::CliContext& ctx) { return ctx.RunPageCommand<StandInGame>(*option); };
    });
}

TEST(GameRegistry, NumbersFollowTheOrderOfRegistrationAndTheWindowsTabs) {
    GameRegistry games;
    RegisterGames(games);
    const char* tabs[] = {"Anagr", "Parole", "Cerca", "Trova", "Metagr", "Decrit", "Curio", "Cern", "Dizio"};
    ASSERT_EQ(games.Count(), static_cast<int>(std::size(tabs)));
    for (int id = 0; id < games.Count(); ++id) {
        EXPECT_STREQ(games.Find(id)->Info().tabCaption, tabs[id]);
        EXPECT_EQ(games.Find(id)->Id(), id);
        EXPECT_EQ(games.FindByName(games.Find(id)->Info().name), games.Find(id));
    }
    EXPECT_EQ(games.Find(-1), nullptr);
    EXPECT_EQ(games.Find(games.Count()), nullptr);
}

TEST(GameRegistry, AGameRegisteredTwiceFailsInEveryBuild) {
    GameRegistry games;
    games.Register<StandInGame>();
    EXPECT_THROW(games.Register<StandInGame>(), std::logic_error);
    // Another type under the same name is the same fault.
    EXPECT_THROW(games.Register<OtherStandIn>(), std::logic_error);
    EXPECT_EQ(games.Count(), 1);
}

TEST(GameRegistry, APageListMustHoldEachGameOnce) {
    GameRegistry games;
    RegisterGames(games);
    const std::vector<std::string> all = {"anagr", "parole", "cerca",  "trova", "metagr",
                                          "decrit", "curio", "cern", "dizio"};
    EXPECT_EQ(CheckPageList(games, all, "finestra"), "");
    std::vector<std::string> broken = all;
    broken.erase(broken.begin() + 3);
    broken.push_back("parole");
    broken.push_back("pippo");
    EXPECT_EQ(CheckPageList(games, broken, "finestra"),
              "finestra: elenco delle pagine errato: \"parole\" compare due volte; \"pippo\" non e' un gioco "
              "registrato; manca \"trova\"");
}

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

std::vector<cli::TextField> ProvaTextFields() { return {{{"prova", cli::kTextField}, 0}}; }

CliRun RunWith(const std::vector<std::string>& args, const cli::CliPages& pages) {
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err, {}, pages);
    return {code, out.str(), err.str()};
}

TEST(PageList, AStandInPageNeedsOnlyItsGameAndOneLineInTheCommandList) {
    test::TempFolder folder;
    test::WritePreparedDictionary(folder.path(), "Default", {"casa", "rosa", "sera"});
    cli::CliPages pages;
    pages.games = WorkbenchAndStandIn;
    pages.commands.push_back({"prova", AddProvaCommand, ProvaTextFields});
    const CliRun run = RunWith({"sillabor-cli", "--cartella", folder.path().string(), "prova", "7"}, pages);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "prova 7 su 3 parole\n");

    // Without its command, sillabor-cli refuses to start, whatever it is asked.
    pages.commands.pop_back();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"sillabor-cli", "--help"}, {"sillabor-cli", "--cartella", folder.path().string(), "cerca", "casa"}}) {
        const CliRun refused = RunWith(args, pages);
        EXPECT_EQ(refused.code, 1);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "sillabor-cli: elenco delle pagine errato: manca \"prova\"\n");
    }
}

TEST(PageList, ACommandWithoutItsGameOrAGameRegisteredTwiceStopsTheStart) {
    cli::CliPages pages;
    pages.commands.push_back({"prova", AddProvaCommand, ProvaTextFields});
    EXPECT_EQ(RunWith({"sillabor-cli", "--version"}, pages).err,
              "sillabor-cli: elenco delle pagine errato: \"prova\" non e' un gioco registrato\n");
    pages.games = [](GameRegistry& games) {
        WorkbenchAndStandIn(games);
        games.Register<DizioGame>();
    };
    const CliRun twice = RunWith({"sillabor-cli", "--version"}, pages);
    EXPECT_EQ(twice.code, 1);
    EXPECT_EQ(twice.err, "sillabor-cli: il gioco \"dizio\" e' registrato due volte\n");
}

}  // namespace
}  // namespace sillabor
