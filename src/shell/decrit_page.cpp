#include "shell/decrit_page.h"
#include "shell/widget_helpers.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app.h"
#include "decrit/cipher_boxes.h"
#include "decrit/decrit_game.h"
#include "shell/output_area.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

const char* const kHelpText =
    "Alfab.: separa parole con spazi o a-capo.  Num.: separa numeri  con 1 spazio, parole con piu' spazi o "
    "a-capo. Jolly = asterisco. <?> per maggior aiuto!";

// The panel of letter boxes: two rows of 26, box i at 27 + 16 i.
constexpr int kBoxLeft = 27;
constexpr int kBoxStep = 16;
constexpr int kBoxWidth = 15;
constexpr int kBoxHeight = 19;
constexpr int kPlainRowTop = 2;
constexpr int kImageRowTop = 23;
constexpr int kPanelHeight = kImageRowTop + kBoxHeight + 2;

QLineEdit* LetterBox(const QString& name, const QFont& font, QWidget* parent, int left, int top) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    box->setTextMargins(0, 0, 0, 0);
    box->setStyleSheet("QLineEdit { padding: 0px; border: 1px solid palette(mid); }");
    box->setGeometry(left, top, kBoxWidth, kBoxHeight);
    return box;
}

QString BoxText(char letter) { return letter == '\0' ? QString() : QString(QChar(letter)); }

}  // namespace

DecritPage::DecritPage(App& app, DecritGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    const DecritControls& start = game_.page;
    RadioDecri = Named<QRadioButton>("RadioDecri", "Decritta", this);
    RadioCri = Named<QRadioButton>("RadioCri", "Critta", this);
    auto* modes = new QButtonGroup(this);
    modes->addButton(RadioDecri);
    modes->addButton(RadioCri);
    (start.RadioCri ? RadioCri : RadioDecri)->setChecked(true);

    DecriMe = Named<QPlainTextEdit>("DecriMe", this);
    DecriMe->setPlainText(ToQString(start.DecriMe));
    DecriMe->setTabChangesFocus(true);
    DecriMe->installEventFilter(this);
    CancBut = Named<QPushButton>("CancBut", "C", this);
    CancBut->setFixedWidth(CancBut->fontMetrics().horizontalAdvance("C") + 14);
    HlpDecri = Named<QLabel>("HlpDecri", kHelpText, this);
    HlpDecri->setWordWrap(true);
    HlpDecri->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    crittaButtons_ = new QWidget(this);
    auto* buttons = new QGridLayout(crittaButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    struct PanelButton {
        QPushButton** button;
        const char* name;
        const char* caption;
    };
    const PanelButton panelButtons[] = {{&CriNulla, "CriNulla", "A = A"},       {&CriSpecchio, "CriSpecchio", "Specchio"},
                                {&CriRand, "CriRand", "A Caso 1"},      {&CriRuota, "CriRuota", "Ruota"},
                                {&CriInv, "CriInv", "Inverti"},         {&CriCoppie, "CriCoppie", "Coppie?"},
                                {&BuNum1, "BuNum1", "Numeri 1"},        {&BuNum2, "BuNum2", "Numeri 2"}};
    int at = 0;
    for (const PanelButton& entry : panelButtons) {
        *entry.button = Named<QPushButton>(entry.name, entry.caption, crittaButtons_);
        buttons->addWidget(*entry.button, at / 3, at % 3);
        ++at;
    }
    CriRand->setText(ToQString(start.CriRandCaption));

    BuildPanel();
    BuildLayout();

    connect(RadioCri, &QRadioButton::toggled, this, &DecritPage::RadioDecriClick);
    connect(DecriMe, &QPlainTextEdit::textChanged, this, &DecritPage::DecriMeChange);
    connect(CancBut, &QPushButton::clicked, this, &DecritPage::CancButClick);
    connect(CriNulla, &QPushButton::clicked, this, [this] { SetBoxes(kIdentityBoxes); });
    connect(CriSpecchio, &QPushButton::clicked, this, [this] {
        ReadPage();
        SetBoxes(MirrorBoxes(game_.page.Boxes));
    });
    connect(CriRuota, &QPushButton::clicked, this, [this] {
        ReadPage();
        SetBoxes(RotateBoxes(game_.page.Boxes));
    });
    connect(CriInv, &QPushButton::clicked, this, [this] {
        ReadPage();
        SetBoxes(InvertBoxes(game_.page.Boxes));
    });
    connect(CriRand, &QPushButton::clicked, this, [this] {
        ReadPage();
        PressRandom(game_.page, app_.random);
        CriRand->setText(ToQString(game_.page.CriRandCaption));
        SetBoxes(game_.page.Boxes);
    });
    connect(BuNum1, &QPushButton::clicked, this, [this] { NumericClick(kNumeri1); });
    connect(BuNum2, &QPushButton::clicked, this, [this] { NumericClick(kNumeri2); });
    connect(CriCoppie, &QPushButton::clicked, this, &DecritPage::CoppieClick);

    RadioDecriClick();
}

void DecritPage::BuildPanel() {
    PanCri = Named<QWidget>("PanCri", this);
    PanCri->setFixedSize(kBoxLeft + kBoxStep * kAlphabetSize, kPanelHeight);
    QFont font = OutputArea::DefaultFont();
    font.setPointSize(10);
    auto* from = new QLabel("Da:", PanCri);
    from->setGeometry(0, kPlainRowTop, kBoxLeft - 2, kBoxHeight);
    auto* to = new QLabel("a:", PanCri);
    to->setGeometry(0, kImageRowTop, kBoxLeft - 2, kBoxHeight);
    for (int i = 0; i < kAlphabetSize; ++i) {
        const int left = kBoxLeft + kBoxStep * i;
        St[i] = LetterBox(QString("St_%1").arg(i), font, PanCri, left, kPlainRowTop);
        St[i]->setText(QString(QChar('A' + i)));
        St[i]->setReadOnly(true);
        St[i]->setFocusPolicy(Qt::ClickFocus);
        St[i]->installEventFilter(this);
        Ed[i] = LetterBox(QString("Ed_%1").arg(i), font, PanCri, left, kImageRowTop);
        Ed[i]->setText(BoxText(game_.page.Boxes[static_cast<size_t>(i)]));
        Ed[i]->installEventFilter(this);
        connect(Ed[i], &QLineEdit::textEdited, this, [this, i] { BoxEdited(i); });
    }
}

void DecritPage::BuildLayout() {
    // The text on the left, the mode and its help or buttons on the right; in
    // "Critta" mode the panel of boxes under them, with "C" at its right.
    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(RadioDecri);
    modeRow->addWidget(RadioCri);
    modeRow->addStretch(1);
    side->addLayout(modeRow);
    side->addWidget(HlpDecri, 1);
    side->addWidget(crittaButtons_);
    side->addStretch(0);
    const int sideWidth = CriSpecchio->sizeHint().width() * 3 + 8;

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(6, 6, 6, 4);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(4);
    grid_->addWidget(DecriMe, 0, 1);
    grid_->addLayout(side, 0, 2);
    grid_->setColumnMinimumWidth(2, sideWidth);
    grid_->setColumnStretch(1, 1);
    HlpDecri->setFixedWidth(sideWidth);
    panelRow_ = new QHBoxLayout;
    panelRow_->setSpacing(11);
    panelRow_->addWidget(PanCri);
    panelRow_->addStretch(1);
    grid_->addLayout(panelRow_, 1, 0, 1, 3);
}

void DecritPage::ReadPage() {
    DecritControls& page = game_.page;
    page.RadioCri = RadioCri->isChecked();
    page.DecriMe = FromQString(DecriMe->toPlainText());
    for (int i = 0; i < kAlphabetSize; ++i) {
        const std::string typed = FromQString(Ed[i]->text());
        page.Boxes[static_cast<size_t>(i)] = typed.empty() ? '\0' : BoxLetter(typed[0]);
    }
}

bool DecritPage::PrepareSearch(int& game, int& option) {
    ReadPage();
    game = game_.Id();
    option = kDecrittaSearch;
    return true;
}

QStringList DecritPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void DecritPage::PageShown() {
    RadioDecriClick();
    DecriMe->setFocus();
}

void DecritPage::SearchEnded() {
    if (game_.page.DecriMeRewritten) {
        // The solutions stay in the output area: the rewrite enciphers nothing.
        const QSignalBlocker blocker(DecriMe);
        DecriMe->setPlainText(ToQString(game_.page.DecriMe));
        DecriMe->moveCursor(QTextCursor::End);
        game_.page.DecriMeRewritten = false;
    }
    crittaBusy_ = false;
}

void DecritPage::RadioDecriClick() {
    const bool critta = RadioCri->isChecked();
    game_.page.RadioCri = critta;
    HlpDecri->setVisible(!critta);
    crittaButtons_->setVisible(critta);
    PanCri->setVisible(critta);
    // "C" sits left of the text for the solver, right of the boxes for the maker.
    grid_->removeWidget(CancBut);
    panelRow_->removeWidget(CancBut);
    if (critta)
        panelRow_->insertWidget(1, CancBut, 0, Qt::AlignTop);
    else
        grid_->addWidget(CancBut, 0, 0, Qt::AlignTop);
    if (critta) Encipher();
}

void DecritPage::DecriMeChange() {
    const QString text = DecriMe->toPlainText();
    if (text.size() > kDecriMeMaxLength) {
        qsizetype keep = kDecriMeMaxLength;
        if (text.at(keep - 1).isHighSurrogate()) --keep;
        const QSignalBlocker blocker(DecriMe);
        DecriMe->setPlainText(text.left(keep));
        DecriMe->moveCursor(QTextCursor::End);
    }
    if (RadioCri->isChecked() && !crittaBusy_) Encipher();
}

void DecritPage::CancButClick() {
    if (!isEnabled()) return;  // a search is running
    DecriMe->clear();
    if (RadioCri->isChecked()) app_.out.ClearOutput();
}

void DecritPage::BoxEdited(int box) {
    const std::string typed = FromQString(Ed[box]->text());
    const char letter = typed.empty() ? '\0' : BoxLetter(typed[0]);
    Ed[box]->setText(BoxText(letter));
    FocusBox((box + 1) % kAlphabetSize);
    if (!crittaBusy_) Encipher();
}

void DecritPage::FocusBox(int box) {
    Ed[box]->setFocus();
    Ed[box]->selectAll();
}

void DecritPage::SetBoxes(const CipherBoxes& boxes) {
    crittaBusy_ = true;
    for (int i = 0; i < kAlphabetSize; ++i) Ed[i]->setText(BoxText(boxes[static_cast<size_t>(i)]));
    crittaBusy_ = false;
    Encipher();
}

void DecritPage::Encipher() {
    ReadPage();
    CriInv->setEnabled(IsPermutation(game_.page.Boxes));
    PrintEnciphered(app_.out, game_.page);
}

void DecritPage::NumericClick(NumericForm form) {
    ReadPage();
    PrintNumeric(app_.out, game_.page, form);
}

void DecritPage::CoppieClick() {
    ReadPage();
    if (app_.IsFatal()) return;  // no search starts then, and no end would clear the flag
    crittaBusy_ = true;
    emit SearchRequested(game_.Id(), kCoppieSearch);
}

bool DecritPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == DecriMe) {
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & Qt::ControlModifier)) {
                int game = 0;
                int option = 0;
                if (PrepareSearch(game, option)) emit SearchRequested(game, option);
                return true;
            }
            return false;
        }
        for (int i = 0; i < kAlphabetSize; ++i) {
            if (watched != Ed[i]) continue;
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
                FocusBox((i + (key->key() == Qt::Key_Left ? kAlphabetSize - 1 : 1)) % kAlphabetSize);
                return true;
            }
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A click in a box selects its letter, so that typing replaces it.
        if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return GamePage::eventFilter(watched, event);
}

}  // namespace sillabor::shell
