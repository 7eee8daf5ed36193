#pragma once
// The "Cern" page: words chosen from a set of letters as the user types.

#include <cstdint>
#include <vector>

#include "shell/game_page.h"

namespace sillabor::shell {

class TCernitePage : public TGamePage {
    Q_OBJECT

public:
    explicit TCernitePage(Workbench& wb, QWidget* parent = nullptr);

    // The page works on the window thread: no "Genera", no "Stop !".
    StartButton StartButtonMode() const override { return StartButton::Hidden; }
    QStringList HelpKeys() const override;
    bool WrapsOutput() const override { return true; }
    // Computes the classes' parity masks after each load; counts "Trovati".
    void PageShown() override;

    const std::vector<uint32_t>& Masks() const { return masks_; }

private:
    std::vector<uint32_t> masks_;
};

}  // namespace sillabor::shell
