// sillabor-cli curio: the "Curio" page: thirty curiosities of the dictionary.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "cli/shown_argument.h"
#include "curio/curio_game.h"
#include "curio/curio_reports.h"

namespace sillabor::cli {

namespace {

struct CurioOptions {
    std::string report;
    std::optional<int> microMode;
};

// Lists the reports by their numbers, with their buttons' captions.
int ListReports(CliContext& ctx) {
    for (int code = 1; code <= kCurioReportCount; ++code) {
        char line[40];
        std::snprintf(line, sizeof line, "%2d %s", code, CurioCaption(code));
        ctx.out << line << '\n';
    }
    return kExitOk;
}

// The report named by its number or its caption; 0 when none.
int ReportCode(const std::string& name, int* microNumber) {
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && name.size() <= 2) {
        const int code = std::stoi(name);
        return IsCurioCode(code) ? code : 0;
    }
    return CurioCodeOfCaption(name, microNumber);
}

// The reports as a usage message lists them: "1 crescenti, 2 ripetizioni, ...".
std::string ReportNames() {
    std::string names;
    for (int code = 1; code <= kCurioReportCount; ++code)
        names += (code > 1 ? ", " : "") + std::to_string(code) + " " + CurioCaption(code);
    return names;
}

int RunCurio(CliContext& ctx, const CurioOptions& options) {
    if (options.report == "elenco") return ListReports(ctx);
    int microNumber = 0;
    const int code = ReportCode(options.report, &microNumber);
    if (code == 0) {
        ctx.UsageError("report sconosciuto: " + ShownArgument(options.report) +
                       " (report ammessi, per numero o didascalia: " + ReportNames() + ")");
        return kExitUsage;
    }
    if (options.microMode && code != kCurioMicro) {
        ctx.UsageError("--micro-modo vale solo per il report micro");
        return kExitUsage;
    }
    if (options.microMode && microNumber != 0 && *options.microMode != microNumber - 1) {
        ctx.UsageError("il modo di " + options.report + " e --micro-modo non coincidono");
        return kExitUsage;
    }
    CurioRequest request;
    request.report = code;
    if (options.microMode)
        request.microMode = *options.microMode;
    else if (microNumber != 0)
        request.microMode = microNumber - 1;
    return ctx.RunPageJob<CurioGame>([&request](CurioGame& game) { return game.Job(request, nullptr); });
}

}  // namespace

std::vector<TextField> CurioTextFields() {
    return {
        {{"curio", kTextField}, 0},
        {{"curio", "micro", "--micro-modo", kTextField}, 0},
    };
}

void AddCurioCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<CurioOptions>();
    CLI::App* curio = app.add_subcommand("curio", "Pagina Curio: trenta curiosit\xC3\xA0 e statistiche del dizionario");
    curio->add_option("REPORT", options->report,
                      "Il report: il suo numero (1-30) o la didascalia del suo bottone, "
                      "per esempio \"+ cambi\" o tutticambi; elenco li elenca")
        ->type_name("REPORT")
        ->required();
    curio->add_option("--micro-modo", options->microMode,
                      "micro: il modo da usare, 0 anagrammi, 1 cambi, 2 scarti, 3 varie, 4 lucchetti")
        ->type_name("0..4")
        ->check(CLI::Range(0, 4).description(""));
    curio->callback([&action, options] { action = [options](CliContext& ctx) { return RunCurio(ctx, *options); }; });
}

}  // namespace sillabor::cli
