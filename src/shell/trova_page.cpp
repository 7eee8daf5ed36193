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
#include "trova/trova_options.h"

namespace sillabor::shell {

namespace {

constexpr int kCreaQualeRows = 5;

QLineEdit* ShortField(const char* name, int maxLength, const std::string& text, QWidget* parent) {
    auto* field = Named<QLineEdit>(name, ToQString(text), parent);
    field->setMaxLength(maxLength);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance('M') * (maxLength + 1) + 10);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

}  // namespace

TTrovaPage::TTrovaPage(App& app, TrovaGame& game, QWidget* parent) : TGamePage(app, game.Info(), parent), game_(game) {
    const TrovaControls& start = game_.state.page;

    auto* items = new QFrame(this);
    items->setObjectName("CreaQuale");
    items->setFrameShape(QFrame::StyledPanel);
    auto* itemGrid = new QGridLayout(items);
    itemGrid->setContentsMargins(6, 2, 6, 2);
    itemGrid->setVerticalSpacing(0);
    CreaQuale = new QButtonGroup(items);
    for (int k = 0; k < kCreaQualeItems; ++k) {
        auto* item = new QRadioButton(ToQString(kCreaQualeCaptions[k]), items);
        item->setObjectName(QString("CreaQuale%1").arg(k));
        CreaQuale->addButton(item, k);
        itemGrid->addWidget(item, k % kCreaQualeRows, k / kCreaQualeRows);
    }
    CreaQuale->button(start.CreaQuale)->setChecked(true);

    GroupBox2 = Named<QGroupBox>("GroupBox2", "Lunghezza", this);
    EdCrLuMin = ShortField("EdCrLuMin", 2, start.EdCrLuMin, GroupBox2);
    EdCrLuMax = ShortField("EdCrLuMax", 2, start.EdCrLuMax, GroupBox2);
    AncheFinale = Named<QCheckBox>("AncheFinale", "Anche Finali", this);
    AncheFinale->setChecked(start.AncheFinale);
    TuttiCambi = Named<QCheckBox>("TuttiCambi", this);
    TuttiCambi->setChecked(start.TuttiCambi);
    CambioDa = ShortField("CambioDa", 1, start.CambioDa, this);
    Freccia = Named<QLabel>("Freccia", this);
    Freccia->setAlignment(Qt::AlignCenter);
    CambioA = ShortField("CambioA", 1, start.CambioA, this);
    for (QWidget* widget : {static_cast<QWidget*>(AncheFinale), static_cast<QWidget*>(CambioDa),
                            static_cast<QWidget*>(Freccia), static_cast<QWidget*>(CambioA)})
        KeepRoomWhenHidden(widget);

    struct Button {
        QPushButton*& button;
        const char* name;
        const char* caption;
        int option;
    };
    for (const Button& b :
         {Button{BotSciaInc, "BotSciaInc", "sciar.inc.", kTrovaSciaradeIncatenate},
          Button{BotScia, "BotScia", "sciarade", kTrovaSciarade}, Button{BotAna, "BotAna", "anagr.", kTrovaAnagrammi},
          Button{BotCern, "BotCern", "cerniere", kTrovaCerniere},
          Button{BotInta, "BotInta", "intarsi && c.", kTrovaIntarsi},
          Button{BotLucc, "BotLucc", "lucchetti", kTrovaLucchetti}}) {
        b.button = Named<QPushButton>(b.name, b.caption, this);
        QFont bold = b.button->font();
        bold.setBold(true);
        b.button->setFont(bold);
        b.button->setAutoDefault(false);
        const int option = b.option;
        connect(b.button, &QPushButton::clicked, this, [this, option] { BotCreaClick(option); });
    }

    BuildLayout();

    binding_.Choice(CreaQuale, &TrovaControls::CreaQuale);
    binding_.Text(EdCrLuMin, &TrovaControls::EdCrLuMin);
    binding_.Text(EdCrLuMax, &TrovaControls::EdCrLuMax);
    binding_.Check(AncheFinale, &TrovaControls::AncheFinale);
    binding_.Check(TuttiCambi, &TrovaControls::TuttiCambi);
    binding_.Text(CambioDa, &TrovaControls::CambioDa);
    binding_.Text(CambioA, &TrovaControls::CambioA);

    connect(CreaQuale, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ApplyLook();
    });
    connect(TuttiCambi, &QCheckBox::toggled, this, &TTrovaPage::ApplyLook);
    ApplyLook();
}

void TTrovaPage::BuildLayout() {
    auto* lengths = new QHBoxLayout(GroupBox2);
    lengths->setContentsMargins(6, 2, 6, 4);
    lengths->addWidget(new QLabel("Min", GroupBox2));
    lengths->addWidget(EdCrLuMin);
    lengths->addSpacing(8);
    lengths->addWidget(new QLabel("Max", GroupBox2));
    lengths->addWidget(EdCrLuMax);
    lengths->addStretch(1);

    auto* letters = new QHBoxLayout;
    letters->setSpacing(4);
    letters->addWidget(TuttiCambi);
    letters->addWidget(CambioDa);
    letters->addWidget(Freccia);
    letters->addWidget(CambioA);
    letters->addStretch(1);

    auto* options = new QVBoxLayout;
    options->setSpacing(3);
    options->addWidget(GroupBox2);
    options->addWidget(AncheFinale);
    options->addLayout(letters);
    options->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(CreaQuale->button(0)->parentWidget());
    top->addLayout(options, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* button : {BotSciaInc, BotScia, BotAna, BotCern, BotInta, BotLucc}) buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(4);
    column->addLayout(top);
    column->addStretch(1);
    column->addLayout(buttons);
}

QList<QWidget*> TTrovaPage::TextFields() const { return {EdCrLuMin, EdCrLuMax, CambioDa, CambioA}; }

QStringList TTrovaPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void TTrovaPage::ReadControls() { binding_.ToRecord(game_.state.page); }

void TTrovaPage::ApplyLook() {
    ReadControls();
    const TrovaLook look = TrovaPageLook(game_.state.page);
    AncheFinale->setVisible(look.ancheFinaleVisible);
    CambioDa->setVisible(look.cambioDaVisible);
    CambioA->setVisible(look.cambioAVisible);
    Freccia->setVisible(look.cambioAVisible);
    Freccia->setText(look.freccia);
    TuttiCambi->setText(look.tuttiCambiCaption);
}

bool TTrovaPage::PrepareSearch(int& game, int& option) {
    ReadControls();
    game = kGameTrova;
    option = game_.state.page.CreaQuale;
    return true;
}

void TTrovaPage::BotCreaClick(int option) {
    ReadControls();
    emit SearchRequested(kGameTrova, option);
}

}  // namespace sillabor::shell
