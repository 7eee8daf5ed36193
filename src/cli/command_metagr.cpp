// sillabor-cli metagr: the "Metagr" page: word ladders between two words.

#include <CLI/CLI.hpp>

#include "base/text_encoding.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "metagr/metagr_game.h"

namespace sillabor::cli {

namespace {

struct MetagrOptions {
    std::string da;
    std::string a;
    bool aggiuntaScarto = false;
    int lungMin = kDefaultMinInterLength;
    bool metanagramma = false;
};

int RunMetagr(CliContext& ctx, const MetagrOptions& options) {
    MetagrRequest request;
    request.startWord = ExternalToCp1252(options.da, ' ');
    request.endWord = ExternalToCp1252(options.a, ' ');
    // The page's fields take no more than this.
    for (const std::string* word : {&request.startWord, &request.endWord}) {
        if (word->size() > static_cast<size_t>(kLadderFieldMaxLength)) {
            ctx.UsageError("DA e A: al massimo " + std::to_string(kLadderFieldMaxLength) + " caratteri ciascuna");
            return kExitUsage;
        }
    }
    request.addRemove = options.aggiuntaScarto;
    request.minInterLength = options.lungMin;
    request.rearrange = options.metanagramma;
    return ctx.RunPageJob<MetagrGame>([&request](MetagrGame& game) { return game.Job(request); });
}

}  // namespace

std::vector<TextField> MetagrTextFields() {
    return {
        {{"metagr", kTextField, "mare"}, kLadderFieldMaxLength},
        {{"metagr", "roma", kTextField, "--aggiunta-scarto", "--metanagramma"}, kLadderFieldMaxLength},
    };
}

void AddMetagrCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<MetagrOptions>();
    CLI::App* metagr = app.add_subcommand("metagr", "Pagina Metagr: le catene di parole (metagrammi) tra due parole");
    metagr->add_option("DA", options->da, "La parola di partenza")->type_name("PAROLA")->required();
    metagr->add_option("A", options->a, "La parola di arrivo")->type_name("PAROLA")->required();
    metagr->add_flag("--aggiunta-scarto", options->aggiuntaScarto,
                     "Ammette anche l'aggiunta o lo scarto di una lettera");
    metagr->add_option("--lung-min", options->lungMin,
                       "Con --aggiunta-scarto: lunghezza minima delle parole intermedie (predefinita 4)")
        ->type_name("1..6")
        ->check(CLI::Range(1, kMinInterLengthItems).description(""));
    metagr->add_flag("--metanagramma", options->metanagramma, "Ammette anche il rimescolamento delle lettere");
    metagr->callback([&action, options] { action = [options](CliContext& ctx) { return RunMetagr(ctx, *options); }; });
}

}  // namespace sillabor::cli
