// sillabor-cli cern: the "Cern" page: the selection of a base and the words of
// its anagram class, or, with --goal, the words that complete the selection.

#include <CLI/CLI.hpp>

#include "base/text_encoding.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/stream_sink.h"
#include "cern/cern_game.h"

namespace sillabor::cli {

namespace {

struct CernOptions {
    std::string base;
    std::optional<std::string> goal;
};

int RunCern(CliContext& ctx, const CernOptions& options) {
    const int loadCode = ctx.LoadChosenDictionary(false);
    App& app = ctx.app();
    if (loadCode != kExitOk && !app.dict.IsLoaded()) {
        ctx.PrintStatusLine();
        return loadCode;
    }
    CernGame& game = app.Get<CernGame>();
    CernRequest request;
    request.base = ExternalToCp1252(options.base, ' ');
    request.goal = options.goal ? ExternalToCp1252(*options.goal, ' ') : std::string();
    request.mode = options.goal ? kCernComplete : kCernOnTheFly;

    // The page's lines are the result: they go to stdout, as after "Genera".
    StreamSink results(ctx.out);
    LineSink* before = app.out.Sink();
    app.out.SetSink(&results);
    GameContext gameCtx = app.Context();
    game.PageShown(app.dict);
    if (!options.goal) app.out.PrintLine("cernOut: " + SelectionOf(request.base));
    const CernResult result = game.ModeChosen(gameCtx, request);
    app.out.SetSink(before);
    ctx.out.flush();

    // The window shows the completion's count in the status bar.
    if (options.goal && result.status) ctx.err << *result.status << '\n';
    if (loadCode != kExitOk) return loadCode;
    return options.goal && !result.status ? kExitError : kExitOk;
}

}  // namespace

std::vector<TextField> CernTextFields() {
    return {
        {{"cern", kTextField}, kCernBaseMaxLength},
        {{"cern", "roma amor", "--goal", kTextField}, kCernGoalMaxLength},
    };
}

void AddCernCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<CernOptions>();
    CLI::App* cern = app.add_subcommand(
        "cern", "Pagina Cern: la cernita di una base (le lettere presenti un numero dispari di volte) e i suoi anagrammi");
    cern->add_option("BASE", options->base, "La base: una frase qualsiasi")->type_name("TESTO")->required();
    cern->add_option("--goal", options->goal,
                     "Completa la cernita: le parole che, aggiunte alla base, lasciano esattamente queste lettere")
        ->type_name("LETTERE");
    cern->callback([&action, options] { action = [options](CliContext& ctx) { return RunCern(ctx, *options); }; });
}

}  // namespace sillabor::cli
