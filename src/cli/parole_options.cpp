#include "cli/parole_options.h"

#include <CLI/CLI.hpp>

#include "base/text_encoding.h"
#include "patterns/parole_request.h"

namespace sillabor::cli {

namespace {

PatternMode ModeOf(const std::string& modo) {
    if (modo == "soddisfa") return kMustSatisfy;
    if (modo == "non") return kMustNotSatisfy;
    return kPatternIgnored;
}

}  // namespace

void AddParoleFilterOptions(CLI::App& command, ParoleOptions& options) {
    command
        .add_option("--pattern", options.pattern,
                    "Primo pattern: + vocale, - consonante, ? o . un carattere, * sequenza qualsiasi, "
                    "(...) un carattere non tra i ..., [...] un carattere tra i ..., A..Z tasti T9, "
                    "1..9 jolly, @n e #n gruppi, |...| segmenti, dopo la virgola @pxy ed e <parola derivata>")
        ->type_name("P");
    command.add_option("--pattern2", options.pattern2, "Secondo pattern")->type_name("P");
    command.add_option("--modo1", options.modo1, "Il primo pattern: soddisfa, non (soddisfa) o ignora")
        ->type_name("MODO")
        ->check(CLI::IsMember({"soddisfa", "non", "ignora"}).description(""));
    command.add_option("--modo2", options.modo2, "Il secondo pattern: soddisfa, non (soddisfa) o ignora")
        ->type_name("MODO")
        ->check(CLI::IsMember({"soddisfa", "non", "ignora"}).description(""));
    command.add_flag("--o", options.orMode, "Basta uno dei due pattern (o) invece di entrambi (e)");
    command
        .add_option("--solo", options.solo,
                    "Usa solo lettere: le lettere che la parola pu\xC3\xB2 usare, es. \"2a c\" o \"aac\"")
        ->type_name("LETTERE");
    command.add_option("--obbligati", options.obbligati, "Gruppi obbligati, separati da spazi")
        ->type_name("GRUPPI");
    command.add_option("--proibiti", options.proibiti, "Gruppi proibiti, separati da spazi")->type_name("GRUPPI");
    command.add_option("--min", options.min, "Lunghezza minima")->type_name("N");
    command.add_option("--max", options.max, "Lunghezza massima (vuota: 41)")->type_name("N");
}

ParoleRequest ParoleRequestOf(const ParoleOptions& options) {
    ParoleRequest request;
    request.firstPattern = ExternalToCp1252(options.pattern, ' ');
    request.secondPattern = ExternalToCp1252(options.pattern2, ' ');
    request.firstMode = ModeOf(options.modo1);
    request.secondMode = ModeOf(options.modo2);
    request.eitherPattern = options.orMode;
    request.onlyLetters = options.solo.has_value();
    request.letters = ExternalToCp1252(options.solo.value_or(""), ' ');
    request.requiredGroups = ExternalToCp1252(options.obbligati, ' ');
    request.forbiddenGroups = ExternalToCp1252(options.proibiti, ' ');
    // Read as typed: a character that is not a digit makes the field empty.
    request.minLength = ParseLengthField(options.min);
    request.maxLength = ParseLengthField(options.max);
    return request;
}

}  // namespace sillabor::cli
