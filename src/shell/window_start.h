#pragma once
// What the window program does before its event loop: reads its command line
// (--cartella, --version, --help), chooses the working folder, and reports on
// that folder in the output area.

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "base/working_folder.h"

namespace sillabor::shell {

class MainWindow;

// --help and --version, answered before any window system is needed (a
// terminal without a display can ask them too). Returns the exit code when
// one was answered.
std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv);

struct WindowStart {
    // Set when the program ends at once, after a bad option.
    std::optional<int> exitCode;
    WorkingFolder folder;
};

// `arguments` are the application's, without the toolkit's own options.
// Errors go to stderr.
WindowStart PrepareWindowStart(const QStringList& arguments);

// Prints the working folder's messages in the output area once the start-up
// load is over (the output is the search's while it runs).
void ShowFolderMessages(MainWindow& window, const std::vector<std::string>& messages);

}  // namespace sillabor::shell
