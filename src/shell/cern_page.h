#pragma once
// The "Cern" page: words chosen from a set of letters as the user types.

#include <cstdint>
#include <vector>

#include "shell/game_page.h"

namespace sillabor::shell {

class TCernPage : public TGamePage {
    Q_OBJECT

public:
    explicit TCernPage(App& app, QWidget* parent = nullptr);

    // The page works on the window thread: no "Genera", no "Stop !".
    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override { return {"CERNITA"}; }
    bool WrapsOutput() const override { return true; }
    // Computes the classes' parity masks once per loaded dictionary; counts "Trovati".
    void PageShown() override;

    const std::vector<uint32_t>& Masks() const { return masks_; }

private:
    std::vector<uint32_t> masks_;
    // The dictionary generation the masks were computed for.
    uint32_t masksGeneration_ = 0;
    bool masksComputed_ = false;
};

}  // namespace sillabor::shell
