#pragma once
// The hidden panel that covers the window's pages while one of the two
// hidden games is played: the sliding board game Oxablock and the word game of
// neri and bianchi. Both draw on the image drawing and are driven by clicks,
// buttons, the keyboard and the window's timer tickTimer.

#include <QImage>
#include <QWidget>
#include <array>

#include "hidden/sliding_board.h"
#include "hidden/word_guess.h"

class QLabel;
class QPushButton;

namespace sillabor {
class App;
}

namespace sillabor::shell {

class HiddenPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLetterButtons = 27;

    // Covers `covered` (the window's page area), and follows its size. Hidden
    // until a game starts.
    HiddenPanel(App& app, QWidget* covered);

    bool BoardActive() const { return mode_ == Mode::Board; }
    bool WordActive() const { return mode_ == Mode::Word; }
    bool IsActive() const { return mode_ != Mode::None; }
    // The tickTimer interval the active game wants.
    int TickInterval() const { return WordActive() ? 300 : 100; }

    // From the "Parole" page's texts: the board game in four colours, or the
    // word game on a random word (false, and nothing shown, when the
    // dictionary has no word of 4 to 7 letters). The window calls them only
    // while no search runs.
    void StartBoardGame();
    bool StartWordGame();
    // A tick of tickTimer while a game is active.
    void Tick();

    const SlidingBoard& Board() const { return board_; }
    const WordGuess& Word() const { return word_; }

    QLabel* drawing;
    QWidget* letterPad;
    std::array<QPushButton*, kLetterButtons> letterButtons{};
    QLabel* wordGameRules;
    QLabel* boardTitle;
    QLabel* boardSubtitle;
    QPushButton* twoColoursButton;
    QPushButton* fourColoursButton;
    QPushButton* numbersButton;
    QPushButton* shuffleButton;
    QPushButton* exitButton;

signals:
    // "Esci": the panel is hidden and tickTimer goes back to its own work.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Mode { None, Board, Word };

    void CoverWindow();
    void HideGameControls();
    void ShowBoard();
    void Redraw();
    void ExitClick();
    void NumbersClick();
    void ShuffleClick();
    void LetterClick(int k);
    void Conferma();
    void DrawingClicked(QPoint at);

    App& app_;
    QWidget* covered_;
    Mode mode_ = Mode::None;
    SlidingBoard board_;
    WordGuess word_;
    QImage canvas_;
    int ticks_ = 0;
};

}  // namespace sillabor::shell
