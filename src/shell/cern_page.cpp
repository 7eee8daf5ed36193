#include "shell/cern_page.h"

#include "app/app.h"

namespace sillabor::shell {

TCernPage::TCernPage(App& app, QWidget* parent)
    : TGamePage(app, GameInfo{kGameSelection, "Cern", "Cernite", ""}, parent) {
    AddPlaceholder();
}

void TCernPage::PageShown() {
    const Dictionary& dict = app_.dict;
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (dict.IsLoaded() && (!masksComputed_ || masksGeneration_ != generation)) {
        masks_.resize(static_cast<size_t>(dict.ClassCount));
        for (int32_t i = 0; i < dict.ClassCount; ++i)
            masks_[static_cast<size_t>(i)] = ParityMask(dict.Classes[static_cast<size_t>(i)]);
        masksGeneration_ = generation;
        masksComputed_ = true;
    }
    app_.state.StatusMode = kStatusFoundMale;
}

}  // namespace sillabor::shell
