#pragma once
// The "Decrit" page: cryptograms, solved and made.

#include "shell/game_page.h"

namespace sillabor::shell {

class TDecritPage : public TGamePage {
    Q_OBJECT

public:
    explicit TDecritPage(App& app, QWidget* parent = nullptr);
    QString StartCaption() const override { return "Decritta"; }
    QStringList HelpKeys() const override { return {"DECRITTA"}; }
};

}  // namespace sillabor::shell
