#include "shell/game_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sillabor::shell {

TGamePage::TGamePage(Workbench& wb, const QString& name, QWidget* parent) : QWidget(parent), wb_(wb) {
    setObjectName(name);
}

void TGamePage::AddPlaceholder() {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel("Pagina in preparazione", this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}

}  // namespace sillabor::shell
