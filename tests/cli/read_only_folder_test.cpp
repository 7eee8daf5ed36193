// A working folder that cannot be written: the dictionary built from its
// sources is used from memory, and saving results there is refused.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/fixture_dictionary.h"

namespace sillabor::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out, err;
};

// Runs sillabor-cli in a child process that cannot write the folder: a user
// other than root, for whom the folder's permissions hold.
Outcome RunWithoutWriting(const std::vector<std::string>& args) {
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (geteuid() == 0 && setuid(65534) != 0) _exit(99);
        std::ostringstream out, err;
        const int code = RunCli(args, out, err);
        const std::string both = out.str() + '\x02' + err.str();
        for (size_t done = 0; done < both.size();) {
            const ssize_t wrote = write(channel[1], both.data() + done, both.size() - done);
            if (wrote <= 0) break;
            done += static_cast<size_t>(wrote);
        }
        _exit(code);
    }
    close(channel[1]);
    std::string bytes;
    char buffer[4096];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Outcome outcome;
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const size_t split = bytes.find('\x02');
    outcome.out = bytes.substr(0, split);
    if (split != std::string::npos) outcome.err = bytes.substr(split + 1);
    return outcome;
}

void SetReadOnly(const fs::path& root, bool readOnly) {
    const auto folder = readOnly ? fs::perms(0555) : fs::perms(0755);
    const auto file = readOnly ? fs::perms(0444) : fs::perms(0644);
    fs::permissions(root, folder);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        fs::permissions(entry.path(), entry.is_directory() ? folder : file);
}

TEST(ReadOnlyFolder, TheDictionaryBuiltThereIsUsedFromMemory) {
    test::TempFolder folder;
    const fs::path root = folder.path();
    test::WriteFile(root / "Dizionari" / "Default" / "parole.txt", "mare rame mera casa\n");
    fs::create_directories(root / "Salvataggi");
    SetReadOnly(root, true);

    const Outcome cerca = RunWithoutWriting({"sillabor-cli", "--cartella", root.string(), "cerca", "mare"});
    const Outcome saved =
        RunWithoutWriting({"sillabor-cli", "--cartella", root.string(), "dizio", "esporta"});
    SetReadOnly(root, false);

    ASSERT_NE(cerca.code, 99) << "the test could not leave root";
    EXPECT_EQ(cerca.code, 0) << cerca.err;
    EXPECT_NE(cerca.out.find("Anagramma: mare -> rame"), std::string::npos) << cerca.out;
    EXPECT_NE(cerca.err.find("Attenzione: impossibile scrivere il file Dizionari/Default/j_r_Default\n"
                             "Il dizionario Default resta solo in memoria, fino alla chiusura\n"),
              std::string::npos)
        << cerca.err;
    EXPECT_EQ(cerca.err.find("ERRORE FATALE"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "Dizionari" / "Default" / "j_r_Default"));

    // Writing into the folder is refused with a message, never reported as done.
    EXPECT_EQ(saved.code, 1) << saved.out << saved.err;
    EXPECT_FALSE(saved.out.empty() && saved.err.empty());
    EXPECT_FALSE(fs::exists(root / "Salvataggi" / "Dizionario.txt"));
}

}  // namespace
}  // namespace sillabor::cli
