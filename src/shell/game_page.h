#pragma once
// What the window asks of each of its pages. A page reads its own controls
// into its game's record on the window thread and tells the window which
// search to run; the window owns the search cycle, the buttons and the output.

#include <QList>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {
class App;
}

namespace sillabor::shell {

class GamePage : public QWidget {
    Q_OBJECT

public:
    // The hidden games a page can open.
    enum HiddenGame : int { kHiddenBoard = 0, kHiddenWord = 1 };

    // How "Genera" looks on the page.
    enum class StartButton {
        Shown,      // visible, with StartCaption()
        Hidden,     // "Genera" and "Stop !" hidden: the page has its own buttons
        Unchanged,  // left as the previous page had it
    };

    // The page of `game`.
    GamePage(App& app, Game& game, QWidget* parent = nullptr);
    // A page described by `info` alone, with no game of its own (a stand-in).
    GamePage(App& app, const GameInfo& info, QWidget* parent = nullptr);

    const GameInfo& Info() const { return info_; }
    // The game the page fronts, or null for a stand-in.
    const Game* PageGame() const { return game_; }

    virtual StartButton StartButtonMode() const { return StartButton::Shown; }
    virtual QString StartCaption() const { return "Genera"; }
    // Whether "Genera" can start a search on this page now.
    virtual bool CanStart() const { return false; }
    // Reads and checks the page's input for "Genera" and fills the game's
    // record. False starts nothing (any message has been printed).
    virtual bool PrepareSearch(int& /*game*/, int& /*option*/) { return false; }
    // The search the window runs for (game, option), from "Genera" or a page
    // button: a page whose game takes a typed request binds it here.
    virtual SearchJob JobFor(int game, int option) { return {game, option, {}}; }
    // The fields where Enter acts as "Genera".
    virtual QList<QWidget*> TextFields() const { return {}; }
    // The help sections for the page, in printing order.
    virtual QStringList HelpKeys() const = 0;
    // Whether the output area wraps long lines while the page is shown.
    virtual bool WrapsOutput() const { return false; }
    // The page has just been shown (window thread, no search running).
    virtual void PageShown() {}
    // A search has ended (window thread): the page applies what the game returned.
    virtual void SearchEnded() {}
    // A tick of tickTimer while the page is shown and no search runs.
    virtual void IdleTick() {}

    static QStringList ToQStringList(const std::vector<std::string>& keys);

signals:
    // A page button asks for a search; the window ignores it while busy.
    void SearchRequested(int game, int option);
    // The page's own rule for enabling "Genera" may have changed.
    void CanStartChanged();
    // WrapsOutput() may have changed: the window applies it if the page is shown.
    void OutputWrapChanged();
    // A page that works on the window thread shows its own text in the status bar.
    void ShowStatus(const QString& text);
    // A click asks for one of the hidden games; the window ignores it while busy.
    void HiddenGameRequested(int game);

protected:
    // A note in the middle of a page whose controls are still to come.
    void AddPlaceholder();

    App& app_;

private:
    GameInfo info_;
    const Game* game_ = nullptr;
};

}  // namespace sillabor::shell
