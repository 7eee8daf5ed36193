// sillabor-cli parole: the "Parole" page: the words that match one or two patterns.

#include <CLI/CLI.hpp>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/parole_options.h"
#include "parole/parole_game.h"
#include "patterns/parole_page_rules.h"

namespace sillabor::cli {

namespace {

int RunParole(CliContext& ctx, const ParoleOptions& options) {
    const ParoleRequest request = ParoleRequestOf(options);
    return ctx.RunPageJob<ParoleGame>([&request](ParoleGame& game) { return game.Job(request); });
}

}  // namespace

std::vector<TextField> ParoleTextFields() {
    return {
        {{"parole", "--pattern", kTextField}, kPatternMaxLength},
        {{"parole", "--pattern2", kTextField, "--modo2", "non"}, kPatternMaxLength},
        {{"parole", "--solo", kTextField}, kLettersFieldMaxLength},
        {{"parole", "--obbligati", kTextField}, 0},
        {{"parole", "--proibiti", kTextField}, 0},
        {{"parole", "--min", kTextField}, kLengthFieldMaxLength},
        {{"parole", "--max", kTextField}, kLengthFieldMaxLength},
    };
}

void AddParoleCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<ParoleOptions>();
    CLI::App* parole =
        app.add_subcommand("parole", "Pagina Parole: le parole del dizionario che rispettano uno o due pattern");
    AddParoleFilterOptions(*parole, *options);
    parole->callback([&action, options] { action = [options](CliContext& ctx) { return RunParole(ctx, *options); }; });
}

}  // namespace sillabor::cli
