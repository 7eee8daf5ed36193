#pragma once
// The "Metagr" page: word ladders between two words.

#include "shell/game_page.h"

namespace sillabor::shell {

class TMetagrPage : public TGamePage {
    Q_OBJECT

public:
    explicit TMetagrPage(App& app, QWidget* parent = nullptr);
    QString StartCaption() const override { return "Trova"; }
    QStringList HelpKeys() const override { return {"METAGRAMMI"}; }
};

}  // namespace sillabor::shell
