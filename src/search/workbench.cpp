#include "search/workbench.h"

#include <utility>

namespace sillabor {

Workbench::Workbench(std::filesystem::path rootFolder) : root(std::move(rootFolder)) {
    random.SeedFromClock();
}

void FatalStop(Workbench& wb) {
    wb.out.PrintLine("ERRORE FATALE : IMPOSSIBILE PROSEGUIRE !");
    wb.out.RefreshOutput();
    wb.fatal = true;
    if (wb.host != nullptr) wb.host->FatalStopped();
}

}  // namespace sillabor
