// The browser's way into the core: runs one sillabor-cli command line in
// process and keeps what it printed for the page to read.

#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/app.h"
#include "base/help_file.h"
#include "base/output.h"
#include "base/search_state.h"
#include "base/text_encoding.h"
#include "cerca/cerca_request.h"
#include "cli/cli_app.h"
#include "cli/cli_context.h"
#include "decrit/decrit_game.h"
#include "game/game_registry.h"

namespace {

// The output of the last command. While one runs, g_out holds what it
// printed and has not handed over yet, so that the lines are still there to
// read if the module aborts.
std::string g_out;
std::string g_err;
// The application of the last command, with its dictionary: the next
// search on the same dictionary skips the load.
sillabor::cli::KeptApp g_kept;

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

// Hands printed lines to the page's worker while the command runs (the
// worker cannot look at the module before the command returns).
EM_JS(void, sillabor_post_lines, (const char* data, int size), {
    if (Module.sillaborLines) Module.sillaborLines(HEAPU8.slice(data, data + size));
});

// Whether the page pressed "Stop !" (a flag in memory it shares with the
// worker; never, where the browser does not share memory).
EM_JS(int, sillabor_stop_pressed, (), {
    return Module.sillaborStop ? Atomics.load(Module.sillaborStop, 0) : 0;
});

// The standard output of a command. In live mode its whole lines go to the
// page in batches, a few times a second, and only the rest stays for the end;
// otherwise it keeps everything. Past the deadline (if any), or once the
// page's "Stop !" is pressed, it presses "Stop !" the way Ctrl-C does, so
// that the search ends with its own closing lines: the module has no second
// thread to do it on time. It looks, every few milliseconds, from the lines
// the search prints and from the searches' own stop checks.
class LiveOutput : public std::streambuf {
public:
    LiveOutput(bool live, double timeLimitMs, std::string& text)
        : live_(live), started_(emscripten_get_now()), text_(text) {
        if (timeLimitMs >= 0) deadline_ = started_ + timeLimitMs;
        lastPost_ = started_;
        lastLook_ = started_;
        text_.clear();
        if (live_ || deadline_ >= 0) {
            polled_ = this;
            sillabor::gStopPoll = &StopCheck;
        }
    }
    ~LiveOutput() override {
        if (polled_ != this) return;
        polled_ = nullptr;
        sillabor::gStopPoll = nullptr;
    }
    LiveOutput(const LiveOutput&) = delete;
    LiveOutput& operator=(const LiveOutput&) = delete;

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) {
            text_.push_back(static_cast<char>(c));
            if (c == '\n') Checked();
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* data, std::streamsize size) override {
        text_.append(data, static_cast<size_t>(size));
        if (std::memchr(data, '\n', static_cast<size_t>(size)) != nullptr) Checked();
        return size;
    }

private:
    static constexpr double kPostPeriodMs = 100;
    static constexpr size_t kLargestBatch = 1 << 20;
    // A search may check for a stop, or print a line, millions of times a
    // second, or once in a long while; reading the clock and the flag means a
    // call out to JavaScript. So the checks between two looks adapt to the
    // search: about one look per kLookPeriodMs.
    static constexpr double kLookPeriodMs = 2;
    static constexpr unsigned kMostChecksPerLook = 1u << 16;

    static void StopCheck() {
        if (polled_ != nullptr) polled_->Checked();
    }

    // A stop check or a line printed: looks at the clock and the flag when due.
    void Checked() {
        if (++checks_ < checksPerLook_) return;
        checks_ = 0;
        const double before = lastLook_;
        Poll();
        const double between = lastLook_ - before;
        if (between < kLookPeriodMs / 2 && checksPerLook_ < kMostChecksPerLook) checksPerLook_ *= 2;
        else if (between > kLookPeriodMs * 2 && checksPerLook_ > 1) checksPerLook_ /= 2;
    }

    void Poll() {
        if (!live_ && deadline_ < 0) return;
        const double now = emscripten_get_now();
        lastLook_ = now;
        // Again at every poll: a search starting clears an earlier request.
        if ((deadline_ >= 0 && now >= deadline_) || (live_ && sillabor_stop_pressed() != 0)) std::raise(SIGINT);
        if (!live_ || (now - lastPost_ < kPostPeriodMs && text_.size() < kLargestBatch)) return;
        const size_t lineEnd = text_.rfind('\n');
        if (lineEnd == std::string::npos) return;
        sillabor_post_lines(text_.data(), static_cast<int>(lineEnd + 1));
        text_.erase(0, lineEnd + 1);
        lastPost_ = now;
    }

    static inline LiveOutput* polled_ = nullptr;
    bool live_;
    double started_;
    double deadline_ = -1;
    double lastPost_;
    double lastLook_ = 0;
    unsigned checks_ = 0;
    unsigned checksPerLook_ = 1;
    std::string& text_;
};

}  // namespace

extern "C" {

// Runs `sillabor-cli <args...>`; returns its exit code. With `live`, the
// output is handed over while it runs (sillabor_post_lines) and the output
// text keeps only what came after the last batch. `timeLimitMs` >= 0 stops
// the search after that time, as --tempo-max does (-1: no limit).
EMSCRIPTEN_KEEPALIVE int sillabor_run(const char* buffer, int length, int live, double timeLimitMs) {
    // The module's C library starts with a umask of 0777, which leaves every
    // file the core writes through a temporary (the prepared dictionary, an
    // export) unreadable, to the core too. A process starts with 022.
    umask(022);
    g_err.clear();
    LiveOutput outBuffer(live != 0, timeLimitMs, g_out);
    std::ostream out(&outBuffer);
    std::ostringstream err;
    int code = 1;
    try {
        code = sillabor::cli::RunCli(SplitArguments(buffer, length), out, err, {}, sillabor::cli::CliPages{}, &g_kept);
    } catch (const std::exception& fault) {
        g_kept.Forget();
        err << "sillabor-cli: " << fault.what() << '\n';
    }
    g_err = err.str();
    return code;
}

// Drops the kept application: the page changed the files of a dictionary.
EMSCRIPTEN_KEEPALIVE void sillabor_forget() { g_kept.Forget(); }

// Forgets the output of the last command once the page has read it: a large
// one would otherwise stay in memory, and be taken for the lines of a later
// command that aborts before it prints.
EMSCRIPTEN_KEEPALIVE void sillabor_out_clear() {
    std::string().swap(g_out);
    std::string().swap(g_err);
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
