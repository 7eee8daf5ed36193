#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <stdexcept>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/cli_folder.h"
#include "cli/shown_argument.h"

namespace sillabor::cli {

std::vector<TextField> CommonTextFields() {
    return {{{"--seme", kTextField, "anagr", "roma"}, 0}};
}

namespace {

constexpr double kLongestTimeLimit = 1e6;

void UseItalianLabels(CLI::App& app) {
    auto formatter = app.get_formatter();
    formatter->label("Usage", "Uso");
    formatter->label("OPTIONS", "OPZIONI");
    formatter->label("SUBCOMMAND", "COMANDO");
    formatter->label("SUBCOMMANDS", "COMANDI");
    formatter->label("Positionals", "Argomenti");
    formatter->label("Options", "Opzioni");
    formatter->label("Subcommands", "Comandi");
    formatter->label("REQUIRED", "OBBLIGATORIO");
    formatter->label("TEXT", "TESTO");
    formatter->label("INT", "INTERO");
    formatter->label("UINT", "NUMERO");
    formatter->label("Excludes", "Esclude");
    formatter->label("Needs", "Richiede");
}

// Commands are listed under "Comandi", at every level.
void NameGroupsInItalian(CLI::App& app) {
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        sub->group("Comandi");
        if (CLI::Option* help = sub->get_help_ptr()) help->group("Opzioni");
        NameGroupsInItalian(*sub);
    }
}

// The part of a parser message after its first ": ", or the whole message.
std::string Detail(const std::string& what) {
    auto colon = what.find(": ");
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

std::string FirstWord(const std::string& what) { return what.substr(0, what.find(' ')); }

// The values a check allows, as the parser's message names them: " (valori
// ammessi: a, b, c)" for a set, " (da 0 a 7)" for a small range of integers;
// "" for anything else.
std::string AllowedValues(const std::string& what) {
    const size_t set = what.find(" not in {");
    if (set != std::string::npos && what.back() == '}') {
        std::string values = what.substr(set + 9, what.size() - set - 10);
        for (size_t comma = values.find(','); comma != std::string::npos; comma = values.find(',', comma + 2))
            values.insert(comma + 1, " ");
        return " (valori ammessi: " + values + ")";
    }
    const size_t range = what.find(" not in range ");
    if (range != std::string::npos) {
        const std::string bounds = what.substr(range + 14);
        const size_t to = bounds.find(" to ");
        const std::string low = bounds.substr(0, to);
        const std::string high = to == std::string::npos ? "" : bounds.substr(to + 4);
        auto smallInteger = [](const std::string& text) {
            return !text.empty() && text.size() <= 6 && text.find_first_not_of("-0123456789") == std::string::npos;
        };
        if (smallInteger(low) && smallInteger(high)) return " (da " + low + " a " + high + ")";
    }
    return "";
}

std::string ItalianParseError(const CLI::ParseError& e) {
    const std::string name = e.get_name();
    const std::string what = e.what();
    if (name == "ExtrasError") return "argomenti non previsti: " + Detail(what);
    if (name == "RequiredError") {
        if (what.find("ubcommand") != std::string::npos) return "manca il comando";
        return "manca un argomento obbligatorio: " + FirstWord(what);
    }
    const std::string unconverted = "Could not convert: ";
    if (name == "ConversionError" && what.rfind(unconverted, 0) == 0)
        return "valore non valido: " + what.substr(unconverted.size(), what.find(" = ") - unconverted.size());
    if (name == "ConversionError" || name == "ValidationError")
        return "valore non valido: " + what.substr(0, what.find(':')) + AllowedValues(what);
    if (name == "ArgumentMismatch") return "numero di valori errato per " + FirstWord(what);
    if (name == "ExcludesError") return "opzioni incompatibili: " + what;
    return "uso non valido (" + what + ")";
}

// The first argument that is neither an option nor the value of a global
// option: where the command should be. "" when there is none.
std::string CommandWord(const std::vector<std::string>& args) {
    static const char* const kTakeValues[] = {"--cartella", "--dizionario", "--seme", "--tempo-max"};
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') return arg;
        if (std::find(std::begin(kTakeValues), std::end(kTakeValues), arg) != std::end(kTakeValues)) ++i;
    }
    return "";
}

std::string CommandNames(const std::vector<PageCommand>& commands) {
    std::string names;
    for (const PageCommand& command : commands) names += (names.empty() ? "" : ", ") + std::string(command.game);
    return names;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Terminals terminals) {
    return RunCli(args, out, err, terminals, CliPages{});
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Terminals terminals,
           const CliPages& pages, KeptApp* kept) {
    // A game without its command, or registered twice, is a fault of the program:
    // it shows at every start, whatever the command.
    try {
        GameRegistry games;
        pages.games(games);
        std::vector<std::string> names;
        for (const PageCommand& command : pages.commands) names.emplace_back(command.game);
        const std::string problem = CheckPageList(games, names, "sillabor-cli");
        if (!problem.empty()) {
            err << problem << '\n';
            return kExitError;
        }
    } catch (const std::logic_error& fault) {
        err << "sillabor-cli: " << fault.what() << '\n';
        return kExitError;
    }

    CliContext ctx(out, err, pages.games, kept);
    ctx.outIsTerminal = terminals.out;
    ctx.errIsTerminal = terminals.err;
    CLI::App app{"Sillabor: giochi di parole sul dizionario, dalla riga di comando.", "sillabor-cli"};
    UseItalianLabels(app);
    app.option_defaults()->always_capture_default()->group("Opzioni");
    app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
    app.set_version_flag("--version", std::string("sillabor-cli ") + SILLABOR_VERSION, "Mostra la versione ed esce");
    CLI::Option* folderOption =
        app.add_option("--cartella", ctx.folder,
                       "Cartella di lavoro, con Dizionari/ e Salvataggi/ (se manca: la cartella corrente se ha "
                       "Dizionari/, altrimenti ~/.local/share/sillabor)")
            ->type_name("DIR")
            ->default_str("");
    app.add_option("--dizionario", ctx.dictionary, "Dizionario da caricare")
        ->type_name("NOME")
        ->check(CLI::Validator(
            [](std::string& name) -> std::string {
                // The name of one folder of Dizionari/, printed in messages.
                const bool control = std::any_of(name.begin(), name.end(), [](char c) {
                    return static_cast<unsigned char>(c) < 32 || c == 127;
                });
                if (name.empty() || name == "." || name == ".." || control || name.find('/') != std::string::npos)
                    return "--dizionario";
                return "";
            },
            ""));
    app.add_option("--seme", ctx.seed, "Seme dei numeri casuali, per ripetere una ricerca casuale")
        ->type_name("N");
    app.add_option("--tempo-max", ctx.timeLimit,
                   "Ferma la ricerca dopo SECONDI secondi, come \"Stop !\" (per i giochi casuali che "
                   "vanno avanti finch\xC3\xA9 non li si ferma)")
        ->type_name("SECONDI");
    app.require_subcommand(1);

    CommandAction action;
    for (const PageCommand& command : pages.commands) command.add(app, action);

    NameGroupsInItalian(app);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    if (!reversed.empty()) reversed.pop_back();  // the program name
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return kExitOk;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            // A subcommand's --help.
            for (CLI::App* sub : app.get_subcommands()) {
                out << sub->help();
                return kExitOk;
            }
            out << app.help();
            return kExitOk;
        }
        std::string message = ItalianParseError(e);
        if (e.get_name() == "RequiredError" && message == "manca il comando") {
            const std::string word = CommandWord(args);
            message = word.empty() ? message + " (comandi: " + CommandNames(pages.commands) + ")"
                                   : "comando sconosciuto: " + ShownArgument(word) + " (comandi: " + CommandNames(pages.commands) + ")";
        }
        ctx.UsageError(message);
        err << "Usa --help per l'elenco delle opzioni.\n";
        return kExitUsage;
    }
    if (ctx.timeLimit && !(*ctx.timeLimit >= 0 && *ctx.timeLimit <= kLongestTimeLimit)) {
        ctx.UsageError("valore non valido: --tempo-max (da 0 a 1000000 secondi)");
        err << "Usa --help per l'elenco delle opzioni.\n";
        return kExitUsage;
    }
#if defined(SILLABOR_NO_THREADS)
    // The time limit presses "Stop !" from a second thread.
    if (ctx.timeLimit) {
        ctx.UsageError("--tempo-max non disponibile in questa versione (senza thread)");
        return kExitUsage;
    }
#endif
    if (!action) {
        ctx.UsageError("manca il comando");
        return kExitUsage;
    }
    UseWorkingFolder(ctx, folderOption->count() > 0);
    ctx.MakeApp();
    return action(ctx);
}

}  // namespace sillabor::cli
