// sillabor-cli trova: the "Trova" page: lists of word games drawn from the whole dictionary.

#include <CLI/CLI.hpp>

#include "base/text_encoding.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "trova/trova_game.h"

namespace sillabor::cli {

namespace {

struct TrovaGameName {
    const char* name;
    int option;
};

// The games of the page's list in order, then those of its buttons.
constexpr TrovaGameName kTrovaGames[] = {
    {"scambi", kTrovaScambi},
    {"cambi", kTrovaCambi},
    {"antipodi-iniziali", kTrovaAntipodiIniziali},
    {"antipodi-finali", kTrovaAntipodiFinali},
    {"metatesi", kTrovaMetatesi},
    {"scarti", kTrovaScarti},
    {"cambi-antipodo", kTrovaCambiAntipodo},
    {"bifronti-iniziale", kTrovaBifrontiIniziale},
    {"bifronti-finale", kTrovaBifrontiFinale},
    {"bifronti-entrambe", kTrovaBifrontiEntrambe},
    {"sciarade", kTrovaSciarade},
    {"sciarade-incatenate", kTrovaSciaradeIncatenate},
    {"anagrammi", kTrovaAnagrammi},
    {"intarsi", kTrovaIntarsi},
    {"lucchetti", kTrovaLucchetti},
    {"cerniere", kTrovaCerniere},
};

struct TrovaOptions {
    std::string gioco;
    std::string min = "3";
    std::string max = "40";
    std::vector<std::string> lettere;
    bool finali = false;
};

int RunTrova(CliContext& ctx, const TrovaOptions& options) {
    int option = -1;
    for (const TrovaGameName& game : kTrovaGames)
        if (options.gioco == game.name) option = game.option;
    std::vector<std::string> letters;
    for (const std::string& typed : options.lettere) {
        letters.push_back(ExternalToCp1252(typed));
        if (letters.back().size() != 1) {
            ctx.UsageError("--lettere vuole una lettera per valore, non \"" + typed + "\"");
            return kExitUsage;
        }
    }
    TrovaRequest request;
    request.game = option;
    request.minLength = ParseLength(ExternalToCp1252(options.min));
    request.maxLength = ParseLength(ExternalToCp1252(options.max));
    request.alsoLast = options.finali;
    request.lettersGiven = !letters.empty();
    request.letter1 = letters.empty() ? '\0' : TrovaLetter(letters[0]);
    request.letter2 = letters.size() < 2 ? '\0' : TrovaLetter(letters[1]);
    // The game's check refuses the request after the load, as the page's search does.
    return ctx.RunPageJob<TrovaGame>([&request](TrovaGame& game) { return game.Job(request); });
}

}  // namespace

std::vector<TextField> TrovaTextFields() {
    return {
        // The games of the list end by themselves; the page's fields hold 2 and 1 characters.
        {{"trova", "scarti", "--min", kTextField}, 2},
        {{"trova", "scarti", "--max", kTextField}, 2},
        {{"trova", "metatesi", "--lettere", kTextField}, 1},
        {{"trova", "cambi", "--lettere", "a", kTextField}, 1},
    };
}

void AddTrovaCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<TrovaOptions>();
    CLI::App* trova = app.add_subcommand("trova", "Pagina Trova: elenchi di giochi pescati in tutto il dizionario");
    std::vector<std::string> names;
    for (const TrovaGameName& game : kTrovaGames) names.emplace_back(game.name);
    trova
        ->add_option("GIOCO", options->gioco,
                     "scambi, cambi, antipodi-iniziali, antipodi-finali, metatesi, scarti, cambi-antipodo, "
                     "bifronti-iniziale, bifronti-finale, bifronti-entrambe (con lunghezza e lettere); "
                     "sciarade, sciarade-incatenate, anagrammi, intarsi, lucchetti, cerniere (i bottoni)")
        ->type_name("NOME")
        ->required()
        ->check(CLI::IsMember(names).description(""));
    trova->add_option("--min", options->min, "Lunghezza minima delle parole, da 0 a 40")->type_name("TESTO");
    trova->add_option("--max", options->max, "Lunghezza massima delle parole, da 0 a 40")->type_name("TESTO");
    trova
        ->add_option("--lettere", options->lettere,
                     "La lettera del gioco (Y: la seconda, per scambi, cambi, cambi-antipodo e "
                     "bifronti-entrambe)")
        ->type_name("X [Y]")
        ->default_str("")
        ->expected(1, 2);
    trova->add_flag("--finali", options->finali, "Cambi: anche l'ultima lettera (\"Anche Finali\")");
    trova->callback([&action, options] { action = [options](CliContext& ctx) { return RunTrova(ctx, *options); }; });
}

}  // namespace sillabor::cli
