#include "shell/esecutore.h"

#include <exception>
#include <utility>

#include "app/app.h"

namespace sillabor::shell {

Esecutore::Esecutore(GameRunner runner, App& app, int game, int option, QObject* parent)
    : QThread(parent), runner_(std::move(runner)), app_(app), game_(game), option_(option) {
    setObjectName("Esecutore");
}

void Esecutore::run() {
    // RunGame catches what a game throws; this is for any other runner, since
    // an exception leaving a thread would end the program.
    try {
        status_ = runner_(app_, game_, option_);
    } catch (...) {
        app_.out.PrintLine("Errore interno, ricerca interrotta");
        status_ = 1;
    }
}

}  // namespace sillabor::shell
