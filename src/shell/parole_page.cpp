#include "shell/parole_page.h"
#include "shell/widget_helpers.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "parole/parole_game.h"
#include "shell/output_area.h"
#include "shell/text_conversion.h"

namespace sillabor::shell {

namespace {

QLineEdit* NamedEdit(const char* name, QWidget* parent, int maxLength = 32767) {
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setMaxLength(maxLength);
    return edit;
}

QPushButton* NamedButton(const char* name, QWidget* parent) {
    auto* button = Named<QPushButton>(name, parent);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// Enough room for a two-digit length.
constexpr int kLengthFieldWidth = 30;
// Enough room for "non soddisfa".
constexpr int kModeButtonWidth = 96;

}  // namespace

ParolePage::ParolePage(App& app, ParoleGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game), page_(game.filters.page) {
    SoloBx = Named<QCheckBox>("SoloBx", "Usa solo lettere:", this);
    SoloEd = NamedEdit("SoloEd", this, kSoloEdMaxLength);
    Label6 = Named<QLabel>("Label6", "Lung.", this);
    EdMiLun = NamedEdit("EdMiLun", this, kLengthFieldMaxLength);
    EdMxLun = NamedEdit("EdMxLun", this, kLengthFieldMaxLength);
    for (QLineEdit* length : {EdMiLun, EdMxLun}) {
        length->setFixedWidth(kLengthFieldWidth);
        length->setAlignment(Qt::AlignRight);
    }
    EdObbligati = NamedEdit("EdObbligati", this);
    EdProibiti = NamedEdit("EdProibiti", this);
    StaticGruppi = Named<QLabel>("StaticGruppi", "inserisci i gruppi separati da spazi", this);
    StaticGruppi->setAlignment(Qt::AlignCenter);
    Pattern = NamedEdit("Pattern", this, kPatternMaxLength);
    Pattern2 = NamedEdit("Pattern2", this, kPatternMaxLength);
    BuSodd1 = NamedButton("BuSodd1", this);
    BuSodd2 = NamedButton("BuSodd2", this);
    for (QPushButton* mode : {BuSodd1, BuSodd2}) mode->setFixedWidth(kModeButtonWidth);
    EOBott = NamedButton("EOBott", this);
    EOBott->setFixedWidth(28);
    EOBott->setToolTip("e: entrambi i pattern; o: almeno uno");
    ButClear = NamedButton("ButClear", this);
    ButClear->setText("C");
    ButClear->setFixedWidth(28);
    ButClear->setToolTip("Ripristina la pagina");

    SpiegaPar = Named<QLabel>("SpiegaPar", QString(), this);
    QFont tickerFont = OutputArea::DefaultFont();
    tickerFont.setBold(false);
    tickerFont.setPixelSize(12);
    SpiegaPar->setFont(tickerFont);
    SpiegaPar->setFrameShape(QFrame::StyledPanel);
    SpiegaPar->setAlignment(Qt::AlignCenter);
    SpiegaPar->setText(ToQString(SpiegaParWindow(spiegaOffset_)));
    SpiegaPar->setToolTip("Clicca per nascondere");
    KeepRoomWhenHidden(SpiegaPar);
    SpiegaPar->installEventFilter(this);
    // Two texts that look inert open the hidden games.
    StaticGruppi->installEventFilter(this);
    Label6->installEventFilter(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);

    auto* letters = new QHBoxLayout;
    letters->addWidget(SoloBx);
    letters->addWidget(SoloEd, 1);
    letters->addSpacing(12);
    letters->addWidget(Label6);
    letters->addWidget(new QLabel("Min", this));
    letters->addWidget(EdMiLun);
    letters->addWidget(new QLabel("Max", this));
    letters->addWidget(EdMxLun);
    column->addLayout(letters);

    auto* groups = new QHBoxLayout;
    groups->addWidget(new QLabel("Gruppi obbligati", this));
    groups->addWidget(EdObbligati, 1);
    groups->addSpacing(8);
    groups->addWidget(new QLabel("Gruppi proibiti", this));
    groups->addWidget(EdProibiti, 1);
    column->addLayout(groups);
    column->addWidget(StaticGruppi);

    // "e"/"o" sits between the two patterns it joins.
    auto* patterns = new QGridLayout;
    patterns->setVerticalSpacing(4);
    patterns->addWidget(EOBott, 0, 0, 2, 1, Qt::AlignVCenter);
    patterns->addWidget(Pattern, 0, 1);
    patterns->addWidget(BuSodd1, 0, 2);
    patterns->addWidget(Pattern2, 1, 1);
    patterns->addWidget(BuSodd2, 1, 2);
    patterns->addWidget(ButClear, 0, 3, 2, 1, Qt::AlignVCenter);
    column->addLayout(patterns);
    column->addWidget(SpiegaPar);
    column->addStretch(1);

    binding_.Check(SoloBx, &ParoleControls::SoloBx);
    binding_.Text(SoloEd, &ParoleControls::SoloEd);
    binding_.Text(EdObbligati, &ParoleControls::EdObbligati);
    binding_.Text(EdProibiti, &ParoleControls::EdProibiti);
    binding_.Text(EdMiLun, &ParoleControls::EdMiLun);
    binding_.Text(EdMxLun, &ParoleControls::EdMxLun);
    binding_.Text(Pattern, &ParoleControls::Pattern);
    binding_.Text(Pattern2, &ParoleControls::Pattern2);
    binding_.Caption(BuSodd1, &ParoleControls::BuSodd1);
    binding_.Caption(BuSodd2, &ParoleControls::BuSodd2);
    binding_.Caption(EOBott, &ParoleControls::EOBott);

    // The record follows every edit.
    for (QLineEdit* edit : {SoloEd, EdObbligati, EdProibiti, EdMiLun, EdMxLun, Pattern, Pattern2})
        connect(edit, &QLineEdit::textChanged, this, &ParolePage::ReadControls);
    connect(SoloBx, &QCheckBox::toggled, this, &ParolePage::ReadControls);
    connect(BuSodd1, &QPushButton::clicked, this, [this] { BuSoddClick(BuSodd1); });
    connect(BuSodd2, &QPushButton::clicked, this, [this] { BuSoddClick(BuSodd2); });
    connect(EOBott, &QPushButton::clicked, this, &ParolePage::EOBottClick);
    connect(ButClear, &QPushButton::clicked, this, &ParolePage::ButClearClick);

    ShowRecord();
}

QList<QWidget*> ParolePage::TextFields() const {
    return {SoloEd, EdObbligati, EdProibiti, EdMiLun, EdMxLun, Pattern, Pattern2};
}

bool ParolePage::PrepareSearch(int& game, int& option) {
    ReadControls();
    game = game_.Id();
    option = 0;
    return true;
}

void ParolePage::ReadControls() {
    if (showingRecord_) return;
    binding_.ToRecord(page_);
}

void ParolePage::ShowRecord() {
    // Each setText would otherwise read the half-shown controls back.
    showingRecord_ = true;
    binding_.ToWidgets(page_);
    showingRecord_ = false;
}

QStringList ParolePage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void ParolePage::BuSoddClick(QPushButton* button) {
    button->setText(ToQString(NextModeCaption(FromQString(button->text()))));
    ReadControls();
}

void ParolePage::EOBottClick() {
    EOBott->setText(ToQString(ToggledEOCaption(FromQString(EOBott->text()))));
    ReadControls();
}

void ParolePage::ButClearClick() {
    ClearParolePage(page_);
    ShowRecord();
    SpiegaPar->show();
}

void ParolePage::SpiegaParClick() { SpiegaPar->hide(); }

void ParolePage::IdleTick() {
    if (SpiegaPar->isHidden()) return;
    SpiegaPar->setText(ToQString(SpiegaParWindow(spiegaOffset_)));
    spiegaOffset_ = NextSpiegaParOffset(spiegaOffset_);
}

bool ParolePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SpiegaPar && event->type() == QEvent::MouseButtonPress) {
        SpiegaParClick();
        return true;
    }
    if ((watched == StaticGruppi || watched == Label6) && event->type() == QEvent::MouseButtonPress) {
        emit HiddenGameRequested(watched == StaticGruppi ? kHiddenBoard : kHiddenWord);
        return true;
    }
    return GamePage::eventFilter(watched, event);
}

}  // namespace sillabor::shell
