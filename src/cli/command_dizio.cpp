// sillabor-cli dizio: the "Dizio" page: list, load, build and export dictionaries.

#include <CLI/CLI.hpp>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "dizio/dizio_game.h"

namespace sillabor::cli {

namespace {

struct DizioOptions {
    bool skipCapitalised = false;
    bool skipBeforeApostrophe = false;
    bool skipHyphenated = false;
    std::string order = "alfab";
};

int ListDictionaries(CliContext& ctx) {
    DizioGame& dizio = ctx.app().Get<DizioGame>();
    GameContext game = ctx.app().Context();
    if (dizio.Scan(game) != 0) return kExitError;
    for (const std::string& name : dizio.dictionaries.names) ctx.out << name << '\n';
    return kExitOk;
}

int LoadOnly(CliContext& ctx) {
    int code = ctx.LoadChosenDictionary(true);
    ctx.PrintStatusLine();
    return code;
}

int Build(CliContext& ctx, const DizioOptions& options) {
    App& app = ctx.app();
    DizioGame& dizio = app.Get<DizioGame>();
    GameContext game = app.Context();
    ctx.out.flush();
    if (dizio.Scan(game) != 0) return kExitError;
    DizioRequest request;
    request.action = kDictionaryBuildAndLoad;
    request.dictionary = ctx.dictionary;
    request.skipCapitalised = options.skipCapitalised;
    request.skipBeforeApostrophe = options.skipBeforeApostrophe;
    request.skipHyphenated = options.skipHyphenated;
    return ctx.RunPageSearch(dizio.Job(request));
}

int Export(CliContext& ctx, const DizioOptions& options) {
    App& app = ctx.app();
    int code = ctx.LoadChosenDictionary(true);
    if (code != kExitOk && !app.dict.IsLoaded()) {
        ctx.PrintStatusLine();
        return code;
    }
    DizioRequest request;
    request.action = kDictionaryExport;
    request.exportOrder = options.order == "lungh" ? kExportByLength
                          : options.order == "rime" ? kExportRhymes
                                                    : kExportAlphabetical;
    int exportCode = ctx.RunPageSearch(app.Get<DizioGame>().Job(request));
    return code != kExitOk ? code : exportCode;
}

}  // namespace

std::vector<TextField> DizioTextFields() {
    return {
        {{"--dizionario", kTextField, "dizio", "carica"}, 0},
        {{"--dizionario", kTextField, "dizio", "crea"}, 0},
        {{"dizio", "esporta", "--ordine", kTextField}, 0},
    };
}

void AddDizioCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<DizioOptions>();
    CLI::App* dizio = app.add_subcommand("dizio", "Pagina Dizio: elenca, carica, crea ed esporta i dizionari");
    dizio->require_subcommand(1);

    dizio->add_subcommand("elenco", "Elenca i dizionari della cartella Dizionari")->callback([&action] {
        action = ListDictionaries;
    });
    dizio->add_subcommand("carica", "Carica il dizionario scelto con --dizionario")->callback([&action] {
        action = LoadOnly;
    });

    CLI::App* crea = dizio->add_subcommand("crea", "Ricrea il dizionario dai suoi file sorgenti e lo carica");
    crea->add_flag("--con-maiuscole", options->skipCapitalised, "Escludi le parole con maiuscole");
    crea->add_flag("--apostrofo", options->skipBeforeApostrophe, "Escludi le parti prima di un apostrofo");
    crea->add_flag("--trattino", options->skipHyphenated, "Escludi le parole prima e dopo un trattino");
    crea->callback([&action, options] { action = [options](CliContext& ctx) { return Build(ctx, *options); }; });

    CLI::App* esporta =
        dizio->add_subcommand("esporta", "Esporta il dizionario in Salvataggi/Dizionario.txt");
    esporta->add_option("--ordine", options->order, "Ordine: alfab, lungh o rime")
        ->type_name("ORDINE")
        ->check(CLI::IsMember({"alfab", "lungh", "rime"}).description(""));
    esporta->callback([&action, options] { action = [options](CliContext& ctx) { return Export(ctx, *options); }; });
}

}  // namespace sillabor::cli
