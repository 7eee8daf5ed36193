#include "shell/trova_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "trova/trova_game.h"
#include "trova/trova_request.h"

namespace sillabor::shell {

namespace {

constexpr int kGameListRows = 5;

QLineEdit* ShortField(const char* name, int maxLength, const QString& text, QWidget* parent) {
    auto* field = Named<QLineEdit>(name, text, parent);
    field->setMaxLength(maxLength);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance('M') * (maxLength + 1) + 10);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

}  // namespace

TrovaPage::TrovaPage(App& app, TrovaGame& game, QWidget* parent) : GamePage(app, game, parent), game_(game) {
    const TrovaRequest start;

    auto* items = new QFrame(this);
    items->setObjectName("gameList");
    items->setFrameShape(QFrame::StyledPanel);
    auto* itemGrid = new QGridLayout(items);
    itemGrid->setContentsMargins(6, 2, 6, 2);
    itemGrid->setVerticalSpacing(0);
    gameList = new QButtonGroup(items);
    for (int k = 0; k < kTrovaListGames; ++k) {
        auto* item = new QRadioButton(ToQString(kTrovaListCaptions[k]), items);
        item->setObjectName(QString("gameList%1").arg(k));
        gameList->addButton(item, k);
        itemGrid->addWidget(item, k % kGameListRows, k / kGameListRows);
    }
    gameList->button(start.game)->setChecked(true);

    lengthBox = Named<QGroupBox>("lengthBox", "Lunghezza", this);
    minLength = ShortField("minLength", 2, QString::number(start.minLength), lengthBox);
    maxLength = ShortField("maxLength", 2, QString::number(start.maxLength), lengthBox);
    alsoLast = Named<QCheckBox>("alsoLast", "Anche Finali", this);
    alsoLast->setChecked(start.alsoLast);
    lettersAsked = Named<QCheckBox>("lettersAsked", this);
    lettersAsked->setChecked(start.lettersGiven);
    letterFrom = ShortField("letterFrom", 1, "", this);
    letterArrow = Named<QLabel>("letterArrow", this);
    letterArrow->setAlignment(Qt::AlignCenter);
    letterTo = ShortField("letterTo", 1, "", this);
    for (QWidget* widget : {static_cast<QWidget*>(alsoLast), static_cast<QWidget*>(letterFrom),
                            static_cast<QWidget*>(letterArrow), static_cast<QWidget*>(letterTo)})
        KeepRoomWhenHidden(widget);

    struct Button {
        QPushButton*& button;
        const char* name;
        const char* caption;
        int option;
    };
    for (const Button& b :
         {Button{chainedCharadesButton, "chainedCharadesButton", "sciar.inc.", kTrovaSciaradeIncatenate},
          Button{charadesButton, "charadesButton", "sciarade", kTrovaSciarade},
          Button{anagramsButton, "anagramsButton", "anagr.", kTrovaAnagrammi},
          Button{hingesButton, "hingesButton", "cerniere", kTrovaCerniere},
          Button{interleavesButton, "interleavesButton", "intarsi && c.", kTrovaIntarsi},
          Button{padlocksButton, "padlocksButton", "lucchetti", kTrovaLucchetti}}) {
        b.button = Named<QPushButton>(b.name, b.caption, this);
        QFont bold = b.button->font();
        bold.setBold(true);
        b.button->setFont(bold);
        b.button->setAutoDefault(false);
        const int option = b.option;
        connect(b.button, &QPushButton::clicked, this, [this, option] { ButtonGameClick(option); });
    }

    BuildLayout();

    connect(gameList, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ApplyLook();
    });
    connect(lettersAsked, &QCheckBox::toggled, this, &TrovaPage::ApplyLook);
    ApplyLook();
}

void TrovaPage::BuildLayout() {
    auto* lengths = new QHBoxLayout(lengthBox);
    lengths->setContentsMargins(6, 2, 6, 4);
    lengths->addWidget(new QLabel("Min", lengthBox));
    lengths->addWidget(minLength);
    lengths->addSpacing(8);
    lengths->addWidget(new QLabel("Max", lengthBox));
    lengths->addWidget(maxLength);
    lengths->addStretch(1);

    auto* letters = new QHBoxLayout;
    letters->setSpacing(4);
    letters->addWidget(lettersAsked);
    letters->addWidget(letterFrom);
    letters->addWidget(letterArrow);
    letters->addWidget(letterTo);
    letters->addStretch(1);

    auto* options = new QVBoxLayout;
    options->setSpacing(3);
    options->addWidget(lengthBox);
    options->addWidget(alsoLast);
    options->addLayout(letters);
    options->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(gameList->button(0)->parentWidget());
    top->addLayout(options, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* button : {chainedCharadesButton, charadesButton, anagramsButton, hingesButton, interleavesButton, padlocksButton}) buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(4);
    column->addLayout(top);
    column->addStretch(1);
    column->addLayout(buttons);
}

QList<QWidget*> TrovaPage::TextFields() const { return {minLength, maxLength, letterFrom, letterTo}; }

QStringList TrovaPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

TrovaRequest TrovaPage::Request(int game) const {
    TrovaRequest request;
    request.game = game;
    request.minLength = ParseLength(FromQString(minLength->text()));
    request.maxLength = ParseLength(FromQString(maxLength->text()));
    request.alsoLast = alsoLast->isChecked();
    request.lettersGiven = lettersAsked->isChecked();
    request.letter1 = TrovaLetter(FromQString(letterFrom->text()));
    request.letter2 = TrovaLetter(FromQString(letterTo->text()));
    return request;
}

void TrovaPage::ApplyLook() {
    const TrovaLook look = TrovaPageLook(gameList->checkedId(), lettersAsked->isChecked());
    alsoLast->setVisible(look.ancheFinaleVisible);
    letterFrom->setVisible(look.cambioDaVisible);
    letterTo->setVisible(look.cambioAVisible);
    letterArrow->setVisible(look.cambioAVisible);
    letterArrow->setText(look.freccia);
    lettersAsked->setText(look.tuttiCambiCaption);
}

bool TrovaPage::PrepareSearch(int& game, int& option) {
    game = game_.Id();
    option = gameList->checkedId();
    return true;
}

SearchJob TrovaPage::JobFor(int /*game*/, int option) { return game_.Job(Request(option)); }

void TrovaPage::ButtonGameClick(int option) { emit SearchRequested(game_.Id(), option); }

}  // namespace sillabor::shell
