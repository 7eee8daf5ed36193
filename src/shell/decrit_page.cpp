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
    solveMode = Named<QRadioButton>("solveMode", "Decritta", this);
    makeMode = Named<QRadioButton>("makeMode", "Critta", this);
    auto* modes = new QButtonGroup(this);
    modes->addButton(solveMode);
    modes->addButton(makeMode);
    solveMode->setChecked(true);

    cryptogramField = Named<QPlainTextEdit>("cryptogramField", this);
    cryptogramField->setAccessibleName("Crittogramma");
    cryptogramField->setTabChangesFocus(true);
    cryptogramField->installEventFilter(this);
    clearButton = Named<QPushButton>("clearButton", "C", this);
    clearButton->setFixedWidth(clearButton->fontMetrics().horizontalAdvance("C") + 14);
    solverHelp = Named<QLabel>("solverHelp", kHelpText, this);
    solverHelp->setWordWrap(true);
    solverHelp->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    makerButtons_ = new QWidget(this);
    auto* buttons = new QGridLayout(makerButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    struct PanelButton {
        QPushButton** button;
        const char* name;
        const char* caption;
    };
    const PanelButton panelButtons[] = {{&identityButton, "identityButton", "A = A"},
                                        {&mirrorButton, "mirrorButton", "Specchio"},
                                        {&randomButton, "randomButton", "A Caso 1"},
                                        {&rotateButton, "rotateButton", "Ruota"},
                                        {&invertButton, "invertButton", "Inverti"},
                                        {&pairsButton, "pairsButton", "Coppie?"},
                                        {&numbers1Button, "numbers1Button", "Numeri 1"},
                                        {&numbers2Button, "numbers2Button", "Numeri 2"}};
    int at = 0;
    for (const PanelButton& entry : panelButtons) {
        *entry.button = Named<QPushButton>(entry.name, entry.caption, makerButtons_);
        buttons->addWidget(*entry.button, at / 3, at % 3);
        ++at;
    }

    BuildPanel();
    BuildLayout();

    connect(makeMode, &QRadioButton::toggled, this, &DecritPage::ApplyMode);
    connect(cryptogramField, &QPlainTextEdit::textChanged, this, &DecritPage::TextChanged);
    connect(clearButton, &QPushButton::clicked, this, &DecritPage::ClearClick);
    connect(identityButton, &QPushButton::clicked, this, [this] { SetBoxes(kIdentityBoxes); });
    connect(mirrorButton, &QPushButton::clicked, this, [this] { SetBoxes(MirrorBoxes(Boxes())); });
    connect(rotateButton, &QPushButton::clicked, this, [this] { SetBoxes(RotateBoxes(Boxes())); });
    connect(invertButton, &QPushButton::clicked, this, [this] { SetBoxes(InvertBoxes(Boxes())); });
    connect(randomButton, &QPushButton::clicked, this, [this] {
        const CipherBoxes boxes = PressRandom(randomKind_, app_.random);
        randomButton->setText(ToQString(RandomCaption(randomKind_)));
        SetBoxes(boxes);
    });
    connect(numbers1Button, &QPushButton::clicked, this, [this] { NumericClick(kNumeri1); });
    connect(numbers2Button, &QPushButton::clicked, this, [this] { NumericClick(kNumeri2); });
    connect(pairsButton, &QPushButton::clicked, this, &DecritPage::PairsClick);

    ApplyMode();
}

void DecritPage::BuildPanel() {
    boxPanel = Named<QWidget>("boxPanel", this);
    boxPanel->setFixedSize(kBoxLeft + kBoxStep * kAlphabetSize, kPanelHeight);
    QFont font = OutputArea::DefaultFont();
    font.setPointSize(10);
    auto* from = new QLabel("Da:", boxPanel);
    from->setGeometry(0, kPlainRowTop, kBoxLeft - 2, kBoxHeight);
    auto* to = new QLabel("a:", boxPanel);
    to->setGeometry(0, kImageRowTop, kBoxLeft - 2, kBoxHeight);
    for (int i = 0; i < kAlphabetSize; ++i) {
        const int left = kBoxLeft + kBoxStep * i;
        plainBoxes[i] = LetterBox(QString("plainBox%1").arg(i), font, boxPanel, left, kPlainRowTop);
        plainBoxes[i]->setText(QString(QChar('A' + i)));
        plainBoxes[i]->setReadOnly(true);
        plainBoxes[i]->setFocusPolicy(Qt::ClickFocus);
        plainBoxes[i]->installEventFilter(this);
        imageBoxes[i] = LetterBox(QString("imageBox%1").arg(i), font, boxPanel, left, kImageRowTop);
        imageBoxes[i]->setText(BoxText(kIdentityBoxes[static_cast<size_t>(i)]));
        imageBoxes[i]->installEventFilter(this);
        connect(imageBoxes[i], &QLineEdit::textEdited, this, [this, i] { BoxEdited(i); });
    }
}

void DecritPage::BuildLayout() {
    // The text on the left, the mode and its help or buttons on the right; in
    // "Critta" mode the panel of boxes under them, with "C" at its right.
    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(solveMode);
    modeRow->addWidget(makeMode);
    modeRow->addStretch(1);
    side->addLayout(modeRow);
    side->addWidget(solverHelp, 1);
    side->addWidget(makerButtons_);
    side->addStretch(0);
    const int sideWidth = mirrorButton->sizeHint().width() * 3 + 8;

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(6, 6, 6, 4);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(4);
    grid_->addWidget(cryptogramField, 0, 1);
    grid_->addLayout(side, 0, 2);
    grid_->setColumnMinimumWidth(2, sideWidth);
    grid_->setColumnStretch(1, 1);
    solverHelp->setFixedWidth(sideWidth);
    panelRow_ = new QHBoxLayout;
    panelRow_->setSpacing(11);
    panelRow_->addWidget(boxPanel);
    panelRow_->addStretch(1);
    grid_->addLayout(panelRow_, 1, 0, 1, 3);
}

std::string DecritPage::Text() const { return FromQString(cryptogramField->toPlainText()); }

CipherBoxes DecritPage::Boxes() const {
    CipherBoxes boxes;
    for (int i = 0; i < kAlphabetSize; ++i) {
        const std::string typed = FromQString(imageBoxes[i]->text());
        boxes[static_cast<size_t>(i)] = typed.empty() ? '\0' : BoxLetter(typed[0]);
    }
    return boxes;
}

bool DecritPage::PrepareSearch(int& game, int& option) {
    game = game_.Id();
    option = kDecrittaSearch;
    return true;
}

SearchJob DecritPage::JobFor(int /*game*/, int option) {
    DecritRequest request;
    request.search = option;
    request.cryptogram = Text();
    request.boxes = Boxes();
    result_ = std::make_shared<DecritResult>();
    return game_.Job(request, result_);
}

QStringList DecritPage::HelpKeys() const {
    return ToQStringList(makeMode->isChecked() ? game_.MakerHelpKeys() : game_.HelpKeys());
}

void DecritPage::PageShown() {
    ApplyMode();
    cryptogramField->setFocus();
}

void DecritPage::SearchEnded() {
    if (result_ && result_->cryptogram) {
        // The solutions stay in the output area: the rewrite enciphers nothing.
        const QSignalBlocker blocker(cryptogramField);
        cryptogramField->setPlainText(ToQString(*result_->cryptogram));
        cryptogramField->moveCursor(QTextCursor::End);
    }
    result_.reset();
    makerBusy_ = false;
}

void DecritPage::ApplyMode() {
    const bool maker = makeMode->isChecked();
    solverHelp->setVisible(!maker);
    makerButtons_->setVisible(maker);
    boxPanel->setVisible(maker);
    // "C" sits left of the text for the solver, right of the boxes for the maker.
    grid_->removeWidget(clearButton);
    panelRow_->removeWidget(clearButton);
    if (maker)
        panelRow_->insertWidget(1, clearButton, 0, Qt::AlignTop);
    else
        grid_->addWidget(clearButton, 0, 0, Qt::AlignTop);
    if (maker) Encipher();
}

void DecritPage::TextChanged() {
    const QString text = cryptogramField->toPlainText();
    if (text.size() > kCryptogramMaxLength) {
        qsizetype keep = kCryptogramMaxLength;
        if (text.at(keep - 1).isHighSurrogate()) --keep;
        const QSignalBlocker blocker(cryptogramField);
        cryptogramField->setPlainText(text.left(keep));
        cryptogramField->moveCursor(QTextCursor::End);
    }
    if (makeMode->isChecked() && !makerBusy_) Encipher();
}

void DecritPage::ClearClick() {
    if (!isEnabled()) return;  // a search is running
    cryptogramField->clear();
    if (makeMode->isChecked()) app_.out.ClearOutput();
}

void DecritPage::BoxEdited(int box) {
    const std::string typed = FromQString(imageBoxes[box]->text());
    const char letter = typed.empty() ? '\0' : BoxLetter(typed[0]);
    imageBoxes[box]->setText(BoxText(letter));
    FocusBox((box + 1) % kAlphabetSize);
    if (!makerBusy_) Encipher();
}

void DecritPage::FocusBox(int box) {
    imageBoxes[box]->setFocus();
    imageBoxes[box]->selectAll();
}

void DecritPage::SetBoxes(const CipherBoxes& boxes) {
    makerBusy_ = true;
    for (int i = 0; i < kAlphabetSize; ++i) imageBoxes[i]->setText(BoxText(boxes[static_cast<size_t>(i)]));
    makerBusy_ = false;
    Encipher();
}

void DecritPage::Encipher() {
    const CipherBoxes boxes = Boxes();
    invertButton->setEnabled(IsPermutation(boxes));
    PrintEnciphered(app_.out, Text(), boxes);
}

void DecritPage::NumericClick(NumericForm form) { PrintNumeric(app_.out, Text(), Boxes(), form); }

void DecritPage::PairsClick() {
    if (app_.IsFatal()) return;  // no search starts then, and no end would clear the flag
    makerBusy_ = true;
    emit SearchRequested(game_.Id(), kCoppieSearch);
}

bool DecritPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == cryptogramField) {
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
            if (watched != imageBoxes[i]) continue;
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
