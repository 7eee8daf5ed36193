// sillabor-cli anagr: the "Anagr" page: anagrams of a phrase.

#include <CLI/CLI.hpp>

#include "anagr/anagr_game.h"
#include "anagr/anagr_page_rules.h"
#include "anagr/anagram_search.h"
#include "base/text_encoding.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/parole_options.h"
#include "patterns/parole_page_rules.h"
#include "patterns/parole_request.h"

namespace sillabor::cli {

namespace {

struct AnagrOptions {
    std::string phrase;
    std::string fixed;
    int minLength = 1;
    int minWords = 1;
    std::string maxWords = "X";
    std::string schema;
    bool shuffle = false;
    bool expanded = false;
    bool wrap = false;
    std::string filter;
    bool showCandidates = false;
    int64_t limit = 10000;
    ParoleOptions filters;
};

int RunAnagr(CliContext& ctx, const AnagrOptions& o) {
    AnagrRequest request;
    request.phrase = ExternalToCp1252(o.phrase).substr(0, kPhraseFieldMaxLength);
    CapPhrase(request.phrase);
    request.fixedPart = ExternalToCp1252(o.fixed).substr(0, kFixedPartMaxLength);
    request.minWordLength = o.minLength;
    request.minWords = o.minWords;
    request.maxWords = (o.maxWords == "X" || o.maxWords == "x") ? kAnyNumberOfWords : std::stoi(o.maxWords);
    if (request.minWords > request.maxWords) {
        ctx.UsageError("--parole-min non puo' superare --parole-max");
        return kExitUsage;
    }
    request.useSchema = !o.schema.empty();
    request.schema = ExternalToCp1252(o.schema).substr(0, kSchemaFieldMaxLength);
    request.shuffle = o.shuffle;
    request.compactOutput = !o.expanded;
    request.wrapLines = o.wrap;
    request.filterHow = o.filter.empty()        ? kFilterNone
                        : o.filter == "almeno"  ? kFilterSomeWord
                        : o.filter == "una"     ? kFilterOneWord
                        : o.filter == "massimo" ? kFilterAtMostOneWord
                                                : kFilterEveryWord;
    request.filters = ParoleRequestOf(o.filters);
    request.resultLimit = o.limit == 0 ? -1 : o.limit;
    AnagrPageView view = AnagramVisibility(request);
    if (view.phraseLetters == 0) {
        ctx.UsageError("la frase non contiene lettere");
        return kExitUsage;
    }
    if (!view.startEnabled) {
        ctx.UsageError("la parte fissa deve stare nella frase senza usarne tutte le lettere");
        return kExitUsage;
    }
    const int option = o.showCandidates ? kAnagramShowCandidates : kAnagramSearch;
    return ctx.RunPageJob<AnagrGame>([&request, option](AnagrGame& game) { return game.Job(request, option); });
}

}  // namespace

std::vector<TextField> AnagrTextFields() {
    return {
        {{"anagr", kTextField}, kPhraseFieldMaxLength},
        {{"anagr", "roma amor", "--fissa", kTextField}, kFixedPartMaxLength},
        {{"anagr", "roma amor", "--schema", kTextField}, kSchemaFieldMaxLength},
        {{"anagr", "roma amor", "--filtra", "una", "--pattern", kTextField}, kPatternMaxLength},
    };
}

void AddAnagrCommand(CLI::App& app, CommandAction& action) {
    auto o = std::make_shared<AnagrOptions>();
    CLI::App* cmd = app.add_subcommand("anagr", "Pagina Anagr: anagrammi di una frase");
    cmd->add_option("FRASE", o->phrase, "La frase da anagrammare (al massimo 52 lettere)")->required();
    cmd->add_option("--fissa", o->fixed, "Parte fissa, stampata davanti a ogni anagramma");
    cmd->add_option("--lung-min", o->minLength, "Lunghezza minima delle parole")->type_name("1..5")->check(CLI::Range(1, 5).description(""));
    cmd->add_option("--parole-min", o->minWords, "Numero minimo di parole")->type_name("1..5")->check(CLI::Range(1, 5).description(""));
    cmd->add_option("--parole-max", o->maxWords, "Numero massimo di parole: 1..4 o X (8)")
        ->type_name("N|X")
        ->check(CLI::IsMember({"1", "2", "3", "4", "X", "x"}).description(""));
    cmd->add_option("--schema", o->schema, "Lunghezze delle parole in ordine, es. \"2 5 6\"");
    cmd->add_flag("--mescola", o->shuffle, "Randomizza l'ordine delle parole candidate");
    cmd->add_flag("--espanso", o->expanded, "Una riga per ogni scelta di parole (niente gruppi [a b])");
    cmd->add_flag("--a-capo", o->wrap, "Ogni riga comincia con \"- \"");
    cmd->add_option("--filtra", o->filter, "Imponi i filtri di Parole: tutte, almeno, una, massimo")
        ->type_name("MODO")
        ->check(CLI::IsMember({"tutte", "almeno", "una", "massimo"}).description(""));
    AddParoleFilterOptions(*cmd, o->filters);
    cmd->add_flag("--mostra-in", o->showCandidates, "Elenca le parole candidate invece di cercare");
    cmd->add_option("--limite", o->limit, "Numero massimo di risultati (0: nessun limite)")
        ->type_name("N")
        ->check(CLI::NonNegativeNumber.description(""));
    cmd->callback([&action, o] { action = [o](CliContext& ctx) { return RunAnagr(ctx, *o); }; });
}

}  // namespace sillabor::cli
