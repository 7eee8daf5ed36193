#pragma once
// The "Trova" page: lists of games drawn from the whole dictionary.

#include "shell/game_page.h"

namespace sillabor::shell {

class TTrovaPage : public TGamePage {
    Q_OBJECT

public:
    explicit TTrovaPage(App& app, QWidget* parent = nullptr);
    QString StartCaption() const override { return "Cerca"; }
    QStringList HelpKeys() const override { return {"CREA", "SpiegaGiochi"}; }
};

}  // namespace sillabor::shell
