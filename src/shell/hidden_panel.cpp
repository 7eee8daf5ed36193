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
constexpr QPoint kPanAt(340, 160);
constexpr QRect kBoardImage(122, 84, SlidingBoard::kImageSide, SlidingBoard::kImageSide);
constexpr QPoint kWordImageAt(132, 8);

const char* const kSpiegamio =
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

    Egg = Named<QLabel>("Egg", this);
    Egg->installEventFilter(this);
    TornaV = PanelButton("TornaV", "Esci", QPoint(20, 20), this);

    StaticOxa1 = Named<QLabel>("StaticOxa1", " Oxablock ", this);
    QFont title = StaticOxa1->font();
    title.setBold(true);
    title.setPixelSize(22);
    StaticOxa1->setFont(title);
    StaticOxa1->setAlignment(Qt::AlignCenter);
    StaticOxa1->setGeometry(kBoardImage.left(), 16, kBoardImage.width(), 30);
    StaticOxa2 = Named<QLabel>("StaticOxa2", "rompicapo a blocchi scorrevoli", this);
    StaticOxa2->setAlignment(Qt::AlignCenter);
    StaticOxa2->setGeometry(kBoardImage.left(), 48, kBoardImage.width(), 20);

    oxa2col = PanelButton("oxa2col", "2 colori", QPoint(20, 84), this);
    oxaB4 = PanelButton("oxaB4", "4 colori", QPoint(20, 132), this);
    oxaB16 = PanelButton("oxaB16", "16 numeri", QPoint(20, 180), this);
    MescolaBut = PanelButton("MescolaBut", "Mescola", QPoint(20, 228), this);

    Spiegamio = Named<QLabel>("Spiegamio", kSpiegamio, this);
    Spiegamio->setWordWrap(true);
    Spiegamio->setGeometry(310, 8, 290, 100);

    Pan = Named<QWidget>("Pan", this);
    Pan->setGeometry(QRect(kPanAt, QSize(232, 88)));
    for (int k = 0; k < kLetterButtons; ++k) {
        const QString caption = k < 26 ? QString(QChar('A' + k)) : QString("<<");
        auto* button = Named<QPushButton>(qPrintable(QString("Bo_%1").arg(k)), caption, Pan);
        button->setGeometry(24 * (k % 9) + 10, 24 * (k / 9) + 10, 20, 20);
        button->setFont(oxa2col->font());
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { LetterClick(k); });
        Bo[static_cast<size_t>(k)] = button;
    }

    connect(TornaV, &QPushButton::clicked, this, &HiddenPanel::TornaVClick);
    connect(oxaB4, &QPushButton::clicked, this, [this] {
        board_.FourColoursClick();
        ShowBoard();
    });
    connect(oxa2col, &QPushButton::clicked, this, [this] {
        board_.TwoColoursClick();
        ShowBoard();
    });
    connect(oxaB16, &QPushButton::clicked, this, &HiddenPanel::oxaB16Click);
    connect(MescolaBut, &QPushButton::clicked, this, &HiddenPanel::MescolaButClick);

    HideGameControls();
    hide();
}

void HiddenPanel::ShowOver() {
    setGeometry(covered_->rect());
    show();
    raise();
    setFocus();
}

void HiddenPanel::HideGameControls() {
    for (QWidget* control : {static_cast<QWidget*>(Pan), static_cast<QWidget*>(Spiegamio),
                             static_cast<QWidget*>(StaticOxa2), static_cast<QWidget*>(StaticOxa1),
                             static_cast<QWidget*>(oxa2col), static_cast<QWidget*>(oxaB4),
                             static_cast<QWidget*>(oxaB16), static_cast<QWidget*>(MescolaBut)})
        control->hide();
}

void HiddenPanel::StartBoardGame() {
    mode_ = Mode::Board;
    board_.NewBoard(kBoardFourColours * 256);
    ShowOver();
    ShowBoard();
}

void HiddenPanel::ShowBoard() {
    Egg->setGeometry(kBoardImage);
    for (QWidget* control : {static_cast<QWidget*>(StaticOxa2), static_cast<QWidget*>(StaticOxa1),
                             static_cast<QWidget*>(oxa2col), static_cast<QWidget*>(oxaB4)})
        control->show();
    MescolaBut->move(20, 228);
    MescolaBut->setText("Mescola");
    MescolaBut->show();
    oxaB16->move(20, 180);
    oxaB16->setText("16 numeri");
    oxaB16->show();
    Redraw();
}

bool HiddenPanel::StartWordGame() {
    if (!word_.StartWithRandomWord(app_.dict, app_.random)) return false;
    mode_ = Mode::Word;
    HideGameControls();
    ShowOver();
    Egg->setGeometry(QRect(kWordImageAt, WordGridSize(word_)));
    Pan->show();
    // "Conferma" waits above the letters until the attempt is complete.
    MescolaBut->setText("Conferma");
    MescolaBut->move(Pan->geometry().center().x() - kButtonWidth / 2, Pan->y() - 30 - 4);
    oxaB16->setText("Cos'era?");
    oxaB16->move(Pan->geometry().center().x() - kButtonWidth / 2, Pan->geometry().bottom() + 12);
    oxaB16->show();
    Spiegamio->show();
    Redraw();
    return true;
}

void HiddenPanel::TornaVClick() {
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
    Egg->setPixmap(QPixmap::fromImage(canvas_));
}

void HiddenPanel::oxaB16Click() {
    if (BoardActive()) {
        board_.SixteenNumbersClick();
        ShowBoard();
    } else if (WordActive() && word_.TakesInput()) {
        // "Cos'era?"
        word_.Reveal();
        MescolaBut->hide();
        oxaB16->setText("Ancora");
        Redraw();
    } else if (WordActive()) {
        // "Ancora": a new word at once; with none left, the game closes.
        if (!StartWordGame()) TornaVClick();
    }
}

void HiddenPanel::MescolaButClick() {
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
    MescolaBut->setVisible(word_.CanConfirm());
    Redraw();
}

void HiddenPanel::Conferma() {
    if (!WordActive() || !word_.CanConfirm()) return;
    MescolaBut->hide();
    word_.Confirm();
    if (!word_.TakesInput()) oxaB16->setText("Ancora");
    Redraw();
}

void HiddenPanel::EggMouseDown(QPoint at) {
    if (BoardActive() && board_.Click(at.x(), at.y())) Redraw();
}

bool HiddenPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == covered_ && event->type() == QEvent::Resize && isVisible()) setGeometry(covered_->rect());
    if (watched == Egg && event->type() == QEvent::MouseButtonPress) {
        EggMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HiddenPanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        TornaVClick();
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
