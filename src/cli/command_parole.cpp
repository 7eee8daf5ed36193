// sillabor-cli parole: the "Parole" page: the words that match one or two patterns.

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "dictionary/text_encoding.h"
#include "patterns/parole_page_record.h"
#include "search/run_game.h"

namespace sillabor::cli {

namespace {

constexpr int kParoleOption = 8;

struct ParoleOptions {
    std::string pattern = "*";
    std::string pattern2;
    std::string modo1 = "soddisfa";
    std::string modo2 = "ignora";
    bool orMode = false;
    std::optional<std::string> solo;
    std::string obbligati;
    std::string proibiti;
    std::string min = "0";
    std::string max = "40";
};

std::string ModeCaption(const std::string& modo) {
    if (modo == "soddisfa") return std::string(kModeSatisfies);
    if (modo == "non") return std::string(kModeNotSatisfies);
    return std::string(kModeIgnored);
}

int RunParole(CliContext& ctx, const ParoleOptions& options) {
    Workbench& wb = ctx.wb();
    int code = ctx.LoadChosenDictionary(false);
    if (code != kExitOk && !wb.dict.IsLoaded()) {
        ctx.PrintStatusLine();
        return code;
    }
    ParolePage& page = wb.parolePage;
    page.Pattern = ExternalToCp1252(options.pattern, ' ');
    page.Pattern2 = ExternalToCp1252(options.pattern2, ' ');
    page.BuSodd1 = ModeCaption(options.modo1);
    page.BuSodd2 = ModeCaption(options.modo2);
    page.EOBott = options.orMode ? "o" : "e";
    page.SoloBx = options.solo.has_value();
    page.SoloEd = ExternalToCp1252(options.solo.value_or(""), ' ');
    page.EdObbligati = ExternalToCp1252(options.obbligati, ' ');
    page.EdProibiti = ExternalToCp1252(options.proibiti, ' ');
    page.EdMiLun = options.min;
    page.EdMxLun = options.max;
    int searchCode = ctx.RunPageSearch(kGameCerca, kParoleOption);
    return code != kExitOk ? code : searchCode;
}

}  // namespace

void AddParoleCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<ParoleOptions>();
    CLI::App* parole =
        app.add_subcommand("parole", "Pagina Parole: le parole del dizionario che rispettano uno o due pattern");
    parole->add_option("--pattern", options->pattern,
                       "Primo pattern: + vocale, - consonante, ? o . un carattere, * sequenza qualsiasi, "
                       "(...) un carattere non tra i ..., [...] un carattere tra i ..., A..Z tasti T9, "
                       "1..9 jolly, @n e #n gruppi, |...| segmenti, dopo la virgola @pxy ed e <parola derivata>")
        ->type_name("P");
    parole->add_option("--pattern2", options->pattern2, "Secondo pattern")->type_name("P");
    parole->add_option("--modo1", options->modo1, "Il primo pattern: soddisfa, non (soddisfa) o ignora")
        ->check(CLI::IsMember({"soddisfa", "non", "ignora"}));
    parole->add_option("--modo2", options->modo2, "Il secondo pattern: soddisfa, non (soddisfa) o ignora")
        ->check(CLI::IsMember({"soddisfa", "non", "ignora"}));
    parole->add_flag("--o", options->orMode, "Basta uno dei due pattern (o) invece di entrambi (e)");
    parole->add_option("--solo", options->solo,
                       "Usa solo lettere: le lettere che la parola pu\xC3\xB2 usare, es. \"2a c\" o \"aac\"")
        ->type_name("LETTERE");
    parole->add_option("--obbligati", options->obbligati, "Gruppi obbligati, separati da spazi")
        ->type_name("GRUPPI");
    parole->add_option("--proibiti", options->proibiti, "Gruppi proibiti, separati da spazi")->type_name("GRUPPI");
    parole->add_option("--min", options->min, "Lunghezza minima")->type_name("N");
    parole->add_option("--max", options->max, "Lunghezza massima (vuota: 41)")->type_name("N");
    parole->callback([&action, options] { action = [options](CliContext& ctx) { return RunParole(ctx, *options); }; });
}

}  // namespace sillabor::cli
