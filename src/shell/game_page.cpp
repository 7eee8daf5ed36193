#include "shell/game_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sillabor::shell {

GamePage::GamePage(App& app, Game& game, QWidget* parent) : GamePage(app, game.Info(), parent) { game_ = &game; }

GamePage::GamePage(App& app, const GameInfo& info, QWidget* parent) : QWidget(parent), app_(app), info_(info) {
    setObjectName(info.pageName);
}

QStringList GamePage::ToQStringList(const std::vector<std::string>& keys) {
    QStringList list;
    for (const std::string& key : keys) list << QString::fromStdString(key);
    return list;
}

void GamePage::AddPlaceholder() {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel("Pagina in preparazione", this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}

}  // namespace sillabor::shell
