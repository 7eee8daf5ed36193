#pragma once
// The "Cerca" page: the games built around one base word.

#include "shell/game_page.h"

namespace sillabor::shell {

class TCercaloPage : public TGamePage {
    Q_OBJECT

public:
    explicit TCercaloPage(Workbench& wb, QWidget* parent = nullptr);

    QString StartCaption() const override;
    QStringList HelpKeys() const override;

    // The help of a category: its own section, then the games explained for
    // the categories 0 to 3.
    static QStringList CategoryHelpKeys(int category);

private:
    int category_ = 0;  // index of Categoria
};

}  // namespace sillabor::shell
