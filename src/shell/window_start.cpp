#include "shell/window_start.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <string_view>

#include "app/app.h"
#include "shell/main_window.h"

namespace sillabor::shell {

namespace {

constexpr const char* kUsage =
    "Uso: sillabor [--cartella DIR]\n"
    "Sillabor: giochi di parole sul dizionario.\n"
    "\n"
    "Opzioni:\n"
    "  --cartella DIR  Cartella di lavoro, con Dizionari/ e Salvataggi/; se manca,\n"
    "                  la cartella corrente se ha Dizionari/, altrimenti\n"
    "                  $XDG_DATA_HOME/sillabor (~/.local/share/sillabor)\n"
    "  --version       Mostra la versione ed esce\n"
    "  -h, --help      Mostra questo aiuto ed esce\n";

}  // namespace

std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("sillabor %s\n", SILLABOR_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

WindowStart PrepareWindowStart(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption folder("cartella", "", "DIR");
    parser.addOption(folder);
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        QString why = "argomenti non previsti: " + parser.positionalArguments().join(' ');
        if (!parser.unknownOptionNames().isEmpty())
            why = "opzione sconosciuta: --" + parser.unknownOptionNames().first();
        else if (!parsed)
            why = "manca la cartella dopo --cartella";
        std::fprintf(stderr, "sillabor: %s\nUsa --help per l'elenco delle opzioni.\n", why.toLocal8Bit().constData());
        return {2, {}};
    }
    std::optional<std::filesystem::path> chosen;
    if (parser.isSet(folder)) chosen = std::filesystem::path(QFile::encodeName(parser.value(folder)).toStdString());
    return {std::nullopt, ChooseWorkingFolder(InputsFromEnvironment(chosen))};
}

void ShowFolderMessages(MainWindow& window, const std::vector<std::string>& messages) {
    if (messages.empty()) return;
    auto print = [&window, messages] {
        Output& out = window.app().out;
        for (const std::string& line : messages) out.PrintLine(line);
        out.RefreshOutput();
    };
    if (window.IsBusy())
        QObject::connect(&window, &MainWindow::SearchEnded, &window, print, Qt::SingleShotConnection);
    else
        print();
}

}  // namespace sillabor::shell
