// The hostile-input catalogue: every text field of every page command of
// sillabor-cli gets the texts a careless or hostile user could type or paste.
// Each case runs in a child process under a time limit (sanitizers included)
// and must end by itself with a message or a normal result: exit 0 or 1, or 2
// with a usage message; on stdout whole lines of valid UTF-8; never a crash or
// a hang.
//
// A new page command adds one row to Fields() for each of its text fields: its
// arguments, with kText where the hostile text goes, and the field's length
// limit (0 when it has none).

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

#include "anagrams/anagram_state.h"
#include "base/text_encoding.h"
#include "cerca/manage_cat.h"
#include "cli/cli_app.h"
#include "crypto/crypto_state.h"
#include "ladder/ladder_state.h"
#include "patterns/parole_page_record.h"
#include "selection/cern_page_record.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

using Args = std::vector<std::string>;

const std::string kText = "\x01TESTO\x01";

struct Field {
    Args args;
    size_t maxLength;
};

size_t BaseLimit(int category) {
    CercaControls controls;
    controls.Categoria = category;
    return static_cast<size_t>(ManageCat(controls).baseMaxLength);
}

Args Cerca(int category) { return {"cerca", "--categoria", std::to_string(category), kText}; }

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        {{"anagr", kText}, kFraseMaxLength},
        {{"anagr", "roma amor", "--fissa", kText}, kFissaMaxLength},
        {{"anagr", "roma amor", "--schema", kText}, kSchemEdMaxLength},
        {{"anagr", "roma amor", "--filtra", "una", "--pattern", kText}, kPatternMaxLength},
        {{"parole", "--pattern", kText}, kPatternMaxLength},
        {{"parole", "--pattern2", kText, "--modo2", "non"}, kPatternMaxLength},
        {{"parole", "--solo", kText}, kSoloEdMaxLength},
        {{"parole", "--obbligati", kText}, 0},
        {{"parole", "--proibiti", kText}, 0},
        {{"parole", "--min", kText}, kLengthFieldMaxLength},
        {{"parole", "--max", kText}, kLengthFieldMaxLength},
        {Cerca(0), BaseLimit(0)}, {Cerca(1), BaseLimit(1)}, {Cerca(2), BaseLimit(2)}, {Cerca(3), BaseLimit(3)},
        {Cerca(4), BaseLimit(4)}, {Cerca(5), BaseLimit(5)}, {Cerca(6), BaseLimit(6)}, {Cerca(7), BaseLimit(7)},
        {{"metagr", kText, "mare"}, kLadderFieldMaxLength},
        {{"metagr", "roma", kText, "--aggiunta-scarto", "--metanagramma"}, kLadderFieldMaxLength},
        {{"cern", kText}, kCernInMaxLength},
        {{"cern", "roma amor", "--goal", kText}, kCernGoalMaxLength},
        // The games of the list end by themselves; the page's fields hold 2 and 1 characters.
        {{"trova", "scarti", "--min", kText}, 2},
        {{"trova", "scarti", "--max", kText}, 2},
        {{"trova", "metatesi", "--lettere", kText}, 1},
        {{"trova", "cambi", "--lettere", "a", kText}, 1},
        {{"decrit", "risolvi", kText}, kDecriMeMaxLength},
        {{"decrit", "critta", kText, "--caselle", "qwertyuiopasdfghjklzxcvbnm", "--numeri2"}, kDecriMeMaxLength},
        {{"decrit", "critta", "Roma", "--caselle", kText}, kAlphabetSize},
        {{"decrit", "coppie", "--caselle", kText, "--bottone", "inverti"}, kAlphabetSize},
        {{"curio", kText}, 0},
        {{"curio", "micro", "--micro-modo", kText}, 0},
        {{"--dizionario", kText, "dizio", "carica"}, 0},
        {{"--dizionario", kText, "dizio", "crea"}, 0},
        {{"dizio", "esporta", "--ordine", kText}, 0},
        {{"--seme", kText, "anagr", "roma"}, 0},
    };
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
    for (const Field& field : Fields()) {
        for (const Hostile& hostile : kHostile) {
            const std::string text = hostile.make(field.maxLength);
            if (text.empty() && std::strcmp(hostile.name, "empty") != 0) continue;
            Args args = {"sillabor-cli", "--cartella", folder.path().string()};
            for (const std::string& arg : field.args) args.push_back(arg == kText ? text : arg);
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
