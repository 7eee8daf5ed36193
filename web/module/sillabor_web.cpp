// The browser's way into the core: runs one sillabor-cli command line in
// process and keeps what it printed for the page to read.

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "base/help_file.h"
#include "base/output.h"
#include "base/text_encoding.h"
#include "cerca/cerca_request.h"
#include "cli/cli_app.h"
#include "decrit/decrit_game.h"
#include "game/game_registry.h"

namespace {

std::string g_out;
std::string g_err;

// Arguments arrive as one buffer, each ended by a NUL (an argument of a real
// command line cannot hold one either).
std::vector<std::string> SplitArguments(const char* buffer, int length) {
    std::vector<std::string> args{"sillabor-cli"};
    std::string current;
    for (int i = 0; i < length; ++i) {
        if (buffer[i] == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current.push_back(buffer[i]);
        }
    }
    if (!current.empty()) args.push_back(current);
    return args;
}

class StringSink : public sillabor::LineSink {
public:
    explicit StringSink(std::string& text) : text_(text) {}
    void WriteLine(std::string_view line) override {
        text_ += sillabor::Cp1252ToUtf8(line);
        text_ += '\n';
    }

private:
    std::string& text_;
};

}  // namespace

extern "C" {

// Runs `sillabor-cli <args...>`; returns its exit code.
EMSCRIPTEN_KEEPALIVE int sillabor_run(const char* buffer, int length) {
    std::ostringstream out;
    std::ostringstream err;
    int code = 1;
    try {
        code = sillabor::cli::RunCli(SplitArguments(buffer, length), out, err);
    } catch (const std::exception& fault) {
        err << "sillabor-cli: " << fault.what() << '\n';
    }
    g_out = out.str();
    g_err = err.str();
    return code;
}

// The help sections "?" prints for a page (`mode`: the Cerca category, or 1
// for the cipher maker of Decrit; 0 otherwise), into the output text.
EMSCRIPTEN_KEEPALIVE int sillabor_help(const char* page, int mode, const char* helpFile) {
    g_out.clear();
    g_err.clear();
    sillabor::GameRegistry games;
    sillabor::RegisterGames(games);
    const sillabor::Game* game = games.FindByName(page);
    if (!game) {
        g_err = std::string("pagina sconosciuta: ") + page + "\n";
        return 1;
    }
    std::vector<std::string> keys = game->HelpKeys();
    if (std::string(page) == "cerca") keys = sillabor::CercaHelpKeys(mode);
    if (const auto* decrit = dynamic_cast<const sillabor::DecritGame*>(game); decrit && mode == 1)
        keys = decrit->MakerHelpKeys();
    StringSink sink(g_out);
    sillabor::Output output;
    output.SetSink(&sink);
    for (const std::string& key : keys)
        if (!sillabor::PrintHelpSection(output, helpFile, key)) return 1;
    return 0;
}

EMSCRIPTEN_KEEPALIVE const char* sillabor_out_data() { return g_out.data(); }
EMSCRIPTEN_KEEPALIVE int sillabor_out_size() { return static_cast<int>(g_out.size()); }
EMSCRIPTEN_KEEPALIVE const char* sillabor_err_data() { return g_err.data(); }
EMSCRIPTEN_KEEPALIVE int sillabor_err_size() { return static_cast<int>(g_err.size()); }

}  // extern "C"
