#include "shell/esecutore.h"

#include <utility>

namespace sillabor::shell {

Esecutore::Esecutore(GameRunner runner, Workbench& wb, int game, int option, QObject* parent)
    : QThread(parent), runner_(std::move(runner)), wb_(wb), game_(game), option_(option) {
    setObjectName("Esecutore");
}

void Esecutore::run() { status_ = runner_(wb_, game_, option_); }

}  // namespace sillabor::shell
