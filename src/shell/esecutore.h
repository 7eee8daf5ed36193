#pragma once
// Esecutore, the search thread: runs one game and ends.

#include <QThread>
#include <functional>

namespace sillabor {
class App;
}

namespace sillabor::shell {

// What the search thread runs: RunGame, or a stand-in given by a test.
using GameRunner = std::function<int(App&, int game, int option)>;

class Esecutore : public QThread {
    Q_OBJECT

public:
    Esecutore(GameRunner runner, App& app, int game, int option, QObject* parent = nullptr);

    int Game() const { return game_; }
    int Option() const { return option_; }
    // The game's status once the thread has finished.
    int Status() const { return status_; }

protected:
    void run() override;

private:
    GameRunner runner_;
    App& app_;
    int game_;
    int option_;
    int status_ = 0;
};

}  // namespace sillabor::shell
