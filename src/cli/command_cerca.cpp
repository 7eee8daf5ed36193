// sillabor-cli cerca: the "Cerca" page: the games built around one base word.

#include <CLI/CLI.hpp>

#include "base/text_encoding.h"
#include "cerca/cerca_game.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"

namespace sillabor::cli {

namespace {

struct CercaOptions {
    int categoria = kCercaEdits;
    std::string base;
    bool noDiag = false;
    bool riuso = false;
    std::string griglia = "risolvi";
};

CercaGridMode GridModeOf(const std::string& griglia) {
    if (griglia == "disponi") return kGridArrange;
    if (griglia == "entrambi") return kGridArrangeThenSolve;
    return kGridSolve;
}

int RunCerca(CliContext& ctx, const CercaOptions& options) {
    CercaRequest request;
    request.category = static_cast<CercaCategory>(options.categoria);
    request.base = ExternalToCp1252(options.base, ' ');
    request.diagonals = !options.noDiag;
    request.reuseLetters = options.riuso;
    request.gridMode = GridModeOf(options.griglia);
    // The window's base field takes no more than this: the searches rely on it.
    const int limit = CercaPageLook(request).baseMaxLength;
    if (request.base.size() > static_cast<size_t>(limit)) {
        ctx.UsageError("BASE: al massimo " + std::to_string(limit) + " caratteri per questa categoria");
        return kExitUsage;
    }

    // The page refuses a base before any search starts: before the load.
    const Checked<CercaRequest> checked = CheckCercaRequest(request);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        if (refusal->lines.empty()) {
            ctx.UsageError("nella base non resta nulla da cercare");
            return kExitError;
        }
        Output& out = ctx.app().out;
        for (const std::string& line : refusal->lines) out.PrintLine(line);
        out.RefreshOutput();
        ctx.out.flush();
        return kExitError;
    }

    return ctx.RunPageJob<CercaGame>([&request](CercaGame& game) { return game.Job(request); });
}

}  // namespace

// The base of each category, with the category's own limit.
std::vector<TextField> CercaTextFields() {
    std::vector<TextField> fields;
    for (int category = 0; category < kCercaCategoryItems; ++category) {
        CercaRequest request;
        request.category = static_cast<CercaCategory>(category);
        fields.push_back({{"cerca", "--categoria", std::to_string(category), kTextField},
                          static_cast<size_t>(CercaPageLook(request).baseMaxLength)});
    }
    return fields;
}

void AddCercaCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<CercaOptions>();
    CLI::App* cerca = app.add_subcommand("cerca", "Pagina Cerca: i giochi costruiti su una parola base");
    cerca->add_option("--categoria", options->categoria,
                      "Categoria: 0 zeppe, scarti, (s)cambi, metatesi, anagr.; 1 sciarade; 2 intarsi; "
                      "3 lucchetti e cerniere; 4 parole incluse; 5 paroliere; 6 consonando; 7 sizigie")
        ->type_name("0..7")
        ->check(CLI::Range(0, kCercaCategoryItems - 1).description(""));
    cerca->add_option("BASE", options->base, "La parola base (o le lettere, o le parole)")->type_name("TESTO")->required();
    cerca->add_flag("--no-diag", options->noDiag, "Paroliere: senza le diagonali");
    cerca->add_flag("--riuso", options->riuso, "Paroliere: riuso lettere, una casella pu\xC3\xB2 servire pi\xC3\xB9 volte in una parola");
    cerca->add_option("--griglia", options->griglia, "Paroliere: risolvi, disponi o entrambi")
        ->type_name("MODO")
        ->check(CLI::IsMember({"risolvi", "disponi", "entrambi"}).description(""));
    cerca->callback([&action, options] { action = [options](CliContext& ctx) { return RunCerca(ctx, *options); }; });
}

}  // namespace sillabor::cli
