#include "shell/cern_page.h"

#include "search/workbench.h"

namespace sillabor::shell {

TCernitePage::TCernitePage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Cernite", parent) { AddPlaceholder(); }

QStringList TCernitePage::HelpKeys() const { return {"CERNITA"}; }

void TCernitePage::PageShown() {
    if (wb_.cernMasksStale && wb_.dict.IsLoaded()) {
        masks_.resize(static_cast<size_t>(wb_.dict.ClassCount));
        for (int32_t i = 0; i < wb_.dict.ClassCount; ++i) masks_[static_cast<size_t>(i)] = ParityMask(wb_.dict.Classes[static_cast<size_t>(i)]);
        wb_.cernMasksStale = false;
    }
    wb_.state.StatusMode = kStatusFoundMale;
}

}  // namespace sillabor::shell
