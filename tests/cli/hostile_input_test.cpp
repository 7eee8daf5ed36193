// The hostile-input catalogue: every text field of every page command of
// sillabor-cli gets the texts a careless or hostile user could type or paste.
// Each case runs in a child process under a time limit (sanitizers included)
// and must end by itself with a message or a normal result: exit 0 or 1, or 2
// with a usage message; on stdout whole lines of valid UTF-8; never a crash or
// a hang.
//
// The fields are those the commands describe (PageCommand::textFields): a new
// page command is covered as soon as it lists its own.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/cli_app.h"
#include "cli/cli_commands.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

using Args = std::vector<std::string>;

// Every command's text fields, as the commands describe them.
std::vector<TextField> Fields() {
    std::vector<TextField> fields = CommonTextFields();
    for (const PageCommand& command : PageCommands()) {
        const std::vector<TextField> own = command.textFields();
        EXPECT_FALSE(own.empty()) << command.game << " describes no text field";
        fields.insert(fields.end(), own.begin(), own.end());
    }
    return fields;
}

std::string Repeated(std::string_view piece, size_t length) {
    std::string text;
    while (text.size() < length) text += piece;
    text.resize(length);
    return text;
}

struct Hostile {
    const char* name;
    std::function<std::string(size_t maxLength)> make;  // empty text: the case does not apply
};

const std::vector<Hostile> kHostile = {
    {"empty", [](size_t) { return std::string(); }},
    {"100,000 letters", [](size_t) { return std::string(100000, 'a'); }},
    {"100,000 mixed characters",
     [](size_t) { return Repeated("Rom* a?[b](c)|@1#2,e |1r 9 \xC3\xA0\xC3\xA9\t", 100000); }},
    {"invalid UTF-8", [](size_t) { return std::string("\xC3\x28 m\xE0re \xF0\x28\x8C\x28 \xFF\xFE\xED\xA0\x80"); }},
    {"NUL and control characters", [](size_t) { return std::string("ma\0re\x01\x02\x1B[31m\t\r\nro\x7Fma", 20); }},
    {"characters without Windows-1252", [](size_t) { return std::string("\xF0\x9F\x98\x80 \xE2\x82\xBF \xCE\xA9mega"); }},
    {"only separators", [](size_t) { return std::string(" ,.;:!?'\"/\\ \t "); }},
    {"only jokers", [](size_t) { return std::string("*?.*?.**"); }},
    // Once endless in "anagr": no split of the phrase into halves could be covered.
    {"30 times one letter", [](size_t) { return std::string(30, 'a'); }},
    {"longest allowed", [](size_t max) { return max == 0 ? std::string() : Repeated("romamare", max); }},
    {"longest allowed + 1", [](size_t max) { return max == 0 ? std::string() : Repeated("romamare", max + 1); }},
};

struct Outcome {
    bool finished = false;
    int status = 0;  // waitpid's
    std::string out, err;
};

void WriteAll(int fd, const std::string& bytes) {
    const uint64_t size = bytes.size();
    [[maybe_unused]] ssize_t n = write(fd, &size, sizeof size);
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) return;
        done += static_cast<size_t>(wrote);
    }
}

std::string TakeBlock(std::string& bytes) {
    uint64_t size = 0;
    if (bytes.size() < sizeof size) return {};
    std::memcpy(&size, bytes.data(), sizeof size);
    std::string block = bytes.substr(sizeof size, size);
    bytes.erase(0, sizeof size + block.size());
    return block;
}

// Runs the command line in a child process, which is killed after `limit`.
Outcome RunIsolated(const Args& args, std::chrono::seconds limit) {
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::ostringstream out, err;
        const int code = RunCli(args, out, err);
        WriteAll(channel[1], out.str());
        WriteAll(channel[1], err.str());
        _exit(code);
    }
    close(channel[1]);
    Outcome outcome;
    std::string bytes;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd ready{channel[0], POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) continue;
        char buffer[65536];
        const ssize_t got = read(channel[0], buffer, sizeof buffer);
        if (got <= 0) {
            outcome.finished = true;
            break;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    close(channel[0]);
    if (!outcome.finished) kill(child, SIGKILL);
    waitpid(child, &outcome.status, 0);
    outcome.out = TakeBlock(bytes);
    outcome.err = TakeBlock(bytes);
    return outcome;
}

std::string Shown(const Args& args) {
    std::string shown;
    for (const std::string& arg : args) {
        std::string piece = arg.size() > 40 ? arg.substr(0, 40) + "..." : arg;
        for (char& c : piece)
            if (static_cast<unsigned char>(c) < 32) c = '?';
        shown += " " + piece;
    }
    return shown;
}

TEST(HostileInput, EveryPageCommandEndsWithAMessageOrAResult) {
    test::TempFolder folder;
    test::WritePreparedDictionary(folder.path(), "Default",
                                  {"roma", "amor", "mora", "mare", "rame", "casa", "cane", "amare", "a", "e"});
    int cases = 0;
    for (const TextField& field : Fields()) {
        for (const Hostile& hostile : kHostile) {
            const std::string text = hostile.make(field.maxLength);
            if (text.empty() && std::strcmp(hostile.name, "empty") != 0) continue;
            Args args = {"sillabor-cli", "--cartella", folder.path().string()};
            for (const std::string& arg : field.args) args.push_back(arg == kTextField ? text : arg);
            const std::string what = std::string(hostile.name) + ":" + Shown(args);
            ++cases;

            const Outcome o = RunIsolated(args, std::chrono::seconds(10));
            ASSERT_TRUE(o.finished) << "no end within the time limit, " << what;
            ASSERT_TRUE(WIFEXITED(o.status)) << "ended by signal " << WTERMSIG(o.status) << ", " << what;
            const int code = WEXITSTATUS(o.status);
            EXPECT_TRUE(code == 0 || code == 1 || code == 2) << "exit " << code << ", " << what;
            if (code == 2) {
                EXPECT_NE(o.err.find("sillabor-cli: "), std::string::npos) << what << "\n" << o.err;
            }
            if (code == 1) {
                EXPECT_FALSE(o.out.empty() && o.err.empty()) << "a failure without a message, " << what;
            }
            EXPECT_TRUE(IsValidUtf8(o.out)) << what;
            EXPECT_EQ(o.out.find_first_of(std::string("\r\0", 2)), std::string::npos) << what << "\n" << o.out;
            if (!o.out.empty()) {
                EXPECT_EQ(o.out.back(), '\n') << what;
            }
        }
    }
    EXPECT_GT(cases, 200);
}

}  // namespace
}  // namespace sillabor::cli
