#include "shell/hidden_panel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "app/app.h"
#include "shell/hidden_drawing.h"
#include "shell/output_area.h"
#include "shell/widget_helpers.h"

namespace sillabor::shell {

namespace {

constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 28;
// Where the word game's letter panel sits, right of the grid.
constexpr QPoint kLetterPadAt(340, 160);
constexpr QRect kBoardImage(122, 84, SlidingBoard::kImageSide, SlidingBoard::kImageSide);
constexpr QPoint kWordImageAt(132, 8);

const char* const kWordGameRules =
    "Indovina la parola. Un 'nero' indica una lettera giusta al posto giusto. Un 'bianco' indica una lettera "
    "giusta al posto sbagliato. Numero tentativi = illimitato, ma dopo un po' i nuovi coprono i vecchi.";

QPushButton* PanelButton(const char* name, const char* caption, QPoint at, QWidget* parent) {
    auto* button = Named<QPushButton>(name, caption, parent);
    button->setGeometry(QRect(at, QSize(kButtonWidth, kButtonHeight)));
    // The panel keeps the keyboard, for the letters of the word game.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFont GridFont() {
    QFont font = OutputArea::DefaultFont();
    font.setPixelSize(18);  // 14 points on a 96 dpi screen
    return font;
}

}  // namespace

HiddenPanel::HiddenPanel(App& app, QWidget* covered) : QWidget(covered), app_(app), covered_(covered) {
    setObjectName("hiddenPanel");
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    covered_->installEventFilter(this);

    drawing = Named<QLabel>("drawing", this);
    drawing->installEventFilter(this);
    exitButton = PanelButton("exitButton", "Esci", QPoint(20, 20), this);

    boardTitle = Named<QLabel>("boardTitle", " Oxablock ", this);
    QFont title = boardTitle->font();
    title.setBold(true);
    title.setPixelSize(22);
    boardTitle->setFont(title);
    boardTitle->setAlignment(Qt::AlignCenter);
    boardTitle->setGeometry(kBoardImage.left(), 16, kBoardImage.width(), 30);
    boardSubtitle = Named<QLabel>("boardSubtitle", "rompicapo a blocchi scorrevoli", this);
    boardSubtitle->setAlignment(Qt::AlignCenter);
    boardSubtitle->setGeometry(kBoardImage.left(), 48, kBoardImage.width(), 20);

    twoColoursButton = PanelButton("twoColoursButton", "2 colori", QPoint(20, 84), this);
    fourColoursButton = PanelButton("fourColoursButton", "4 colori", QPoint(20, 132), this);
    numbersButton = PanelButton("numbersButton", "16 numeri", QPoint(20, 180), this);
    shuffleButton = PanelButton("shuffleButton", "Mescola", QPoint(20, 228), this);

    wordGameRules = Named<QLabel>("wordGameRules", kWordGameRules, this);
    wordGameRules->setWordWrap(true);
    wordGameRules->setGeometry(310, 8, 290, 100);

    letterPad = Named<QWidget>("letterPad", this);
    letterPad->setGeometry(QRect(kLetterPadAt, QSize(232, 88)));
    for (int k = 0; k < kLetterButtons; ++k) {
        const QString caption = k < 26 ? QString(QChar('A' + k)) : QString("<<");
        auto* button = Named<QPushButton>(qPrintable(QString("letter%1").arg(k)), caption, letterPad);
        button->setGeometry(24 * (k % 9) + 10, 24 * (k / 9) + 10, 20, 20);
        button->setFont(twoColoursButton->font());
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { LetterClick(k); });
        letterButtons[static_cast<size_t>(k)] = button;
    }

    connect(exitButton, &QPushButton::clicked, this, &HiddenPanel::ExitClick);
    connect(fourColoursButton, &QPushButton::clicked, this, [this] {
        board_.FourColoursClick();
        ShowBoard();
    });
    connect(twoColoursButton, &QPushButton::clicked, this, [this] {
        board_.TwoColoursClick();
        ShowBoard();
    });
    connect(numbersButton, &QPushButton::clicked, this, &HiddenPanel::NumbersClick);
    connect(shuffleButton, &QPushButton::clicked, this, &HiddenPanel::ShuffleClick);

    HideGameControls();
    hide();
}

void HiddenPanel::CoverWindow() {
    setGeometry(covered_->rect());
    show();
    raise();
    setFocus();
}

void HiddenPanel::HideGameControls() {
    for (QWidget* control : {static_cast<QWidget*>(letterPad), static_cast<QWidget*>(wordGameRules),
                             static_cast<QWidget*>(boardSubtitle), static_cast<QWidget*>(boardTitle),
                             static_cast<QWidget*>(twoColoursButton), static_cast<QWidget*>(fourColoursButton),
                             static_cast<QWidget*>(numbersButton), static_cast<QWidget*>(shuffleButton)})
        control->hide();
}

void HiddenPanel::StartBoardGame() {
    mode_ = Mode::Board;
    board_.NewBoard(kBoardFourColours * 256);
    CoverWindow();
    ShowBoard();
}

void HiddenPanel::ShowBoard() {
    drawing->setGeometry(kBoardImage);
    for (QWidget* control : {static_cast<QWidget*>(boardSubtitle), static_cast<QWidget*>(boardTitle),
                             static_cast<QWidget*>(twoColoursButton), static_cast<QWidget*>(fourColoursButton)})
        control->show();
    shuffleButton->move(20, 228);
    shuffleButton->setText("Mescola");
    shuffleButton->show();
    numbersButton->move(20, 180);
    numbersButton->setText("16 numeri");
    numbersButton->show();
    Redraw();
}

bool HiddenPanel::StartWordGame() {
    if (!word_.StartWithRandomWord(app_.dict, app_.random)) return false;
    mode_ = Mode::Word;
    HideGameControls();
    CoverWindow();
    drawing->setGeometry(QRect(kWordImageAt, WordGridSize(word_)));
    letterPad->show();
    // "Conferma" waits above the letters until the attempt is complete.
    shuffleButton->setText("Conferma");
    shuffleButton->move(letterPad->geometry().center().x() - kButtonWidth / 2, letterPad->y() - 30 - 4);
    numbersButton->setText("Cos'era?");
    numbersButton->move(letterPad->geometry().center().x() - kButtonWidth / 2, letterPad->geometry().bottom() + 12);
    numbersButton->show();
    wordGameRules->show();
    Redraw();
    return true;
}

void HiddenPanel::ExitClick() {
    mode_ = Mode::None;
    HideGameControls();
    hide();
    emit Closed();
}

void HiddenPanel::Tick() {
    ++ticks_;
    if (BoardActive()) {
        board_.Tick();
        Redraw();
    } else if (WordActive() && word_.TakesInput()) {
        word_.Tick();
        Redraw();
    }
}

void HiddenPanel::Redraw() {
    if (BoardActive()) {
        if (canvas_.width() != SlidingBoard::kImageSide || canvas_.height() != SlidingBoard::kImageSide)
            canvas_ = QImage(SlidingBoard::kImageSide, SlidingBoard::kImageSide, QImage::Format_RGB32);
        DrawBoard(canvas_, board_, ticks_, palette());
    } else if (WordActive()) {
        const QSize size = WordGridSize(word_);
        if (canvas_.size() != size) canvas_ = QImage(size, QImage::Format_RGB32);
        DrawWordGrid(canvas_, word_, GridFont());
    } else {
        return;
    }
    drawing->setPixmap(QPixmap::fromImage(canvas_));
}

void HiddenPanel::NumbersClick() {
    if (BoardActive()) {
        board_.SixteenNumbersClick();
        ShowBoard();
    } else if (WordActive() && word_.TakesInput()) {
        // "Cos'era?"
        word_.Reveal();
        shuffleButton->hide();
        numbersButton->setText("Ancora");
        Redraw();
    } else if (WordActive()) {
        // "Ancora": a new word at once; with none left, the game closes.
        if (!StartWordGame()) ExitClick();
    }
}

void HiddenPanel::ShuffleClick() {
    if (BoardActive()) {
        board_.Shuffle(app_.random);
        Redraw();
    } else if (WordActive()) {
        Conferma();
    }
}

void HiddenPanel::LetterClick(int k) {
    if (!WordActive()) return;
    const bool changed = k < 26 ? word_.PressLetter(static_cast<char>('A' + k)) : word_.PressBack();
    if (!changed) return;
    shuffleButton->setVisible(word_.CanConfirm());
    Redraw();
}

void HiddenPanel::Conferma() {
    if (!WordActive() || !word_.CanConfirm()) return;
    shuffleButton->hide();
    word_.Confirm();
    if (!word_.TakesInput()) numbersButton->setText("Ancora");
    Redraw();
}

void HiddenPanel::DrawingClicked(QPoint at) {
    if (BoardActive() && board_.Click(at.x(), at.y())) Redraw();
}

bool HiddenPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == covered_ && event->type() == QEvent::Resize && isVisible()) setGeometry(covered_->rect());
    if (watched == drawing && event->type() == QEvent::MouseButtonPress) {
        DrawingClicked(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HiddenPanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        ExitClick();
    } else if (WordActive() && key >= Qt::Key_A && key <= Qt::Key_Z) {
        LetterClick(key - Qt::Key_A);
    } else if (WordActive() && key == Qt::Key_Backspace) {
        LetterClick(26);
    } else if (WordActive() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        Conferma();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace sillabor::shell
