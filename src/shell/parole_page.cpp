#include "shell/parole_page.h"
#include "shell/named_widget.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cerca/cerca_state.h"
#include "patterns/parole_page_record.h"
#include "search/run_game.h"
#include "search/workbench.h"
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

TParolePage::TParolePage(Workbench& wb, QWidget* parent) : TGamePage(wb, "Parole", parent) {
    SoloBx = new QCheckBox("Usa solo lettere:", this);
    SoloBx->setObjectName("SoloBx");
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
    QFont tickerFont = TOutputArea::DefaultFont();
    tickerFont.setBold(false);
    tickerFont.setPixelSize(12);
    SpiegaPar->setFont(tickerFont);
    SpiegaPar->setFrameShape(QFrame::StyledPanel);
    SpiegaPar->setAlignment(Qt::AlignCenter);
    SpiegaPar->setText(ToQString(SpiegaParWindow(spiegaOffset_)));
    SpiegaPar->setToolTip("Clicca per nascondere");
    QSizePolicy keepRoom = SpiegaPar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    SpiegaPar->setSizePolicy(keepRoom);
    SpiegaPar->installEventFilter(this);

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

    // The record follows every edit.
    for (QLineEdit* edit : {SoloEd, EdObbligati, EdProibiti, EdMiLun, EdMxLun, Pattern, Pattern2})
        connect(edit, &QLineEdit::textChanged, this, &TParolePage::ReadControls);
    connect(SoloBx, &QCheckBox::toggled, this, &TParolePage::ReadControls);
    connect(BuSodd1, &QPushButton::clicked, this, [this] { BuSoddClick(BuSodd1); });
    connect(BuSodd2, &QPushButton::clicked, this, [this] { BuSoddClick(BuSodd2); });
    connect(EOBott, &QPushButton::clicked, this, &TParolePage::EOBottClick);
    connect(ButClear, &QPushButton::clicked, this, &TParolePage::ButClearClick);

    ShowRecord();
}

QList<QWidget*> TParolePage::TextFields() const {
    return {SoloEd, EdObbligati, EdProibiti, EdMiLun, EdMxLun, Pattern, Pattern2};
}

bool TParolePage::PrepareSearch(int& game, int& option) {
    ReadControls();
    game = kGameCerca;
    option = kCercaParole;
    return true;
}

void TParolePage::ReadControls() {
    if (showingRecord_) return;
    ParolePage& page = wb_.parolePage;
    page.SoloBx = SoloBx->isChecked();
    page.SoloEd = FromQString(SoloEd->text());
    page.EdObbligati = FromQString(EdObbligati->text());
    page.EdProibiti = FromQString(EdProibiti->text());
    page.EdMiLun = FromQString(EdMiLun->text());
    page.EdMxLun = FromQString(EdMxLun->text());
    page.Pattern = FromQString(Pattern->text());
    page.Pattern2 = FromQString(Pattern2->text());
    page.BuSodd1 = FromQString(BuSodd1->text());
    page.BuSodd2 = FromQString(BuSodd2->text());
    page.EOBott = FromQString(EOBott->text());
}

void TParolePage::ShowRecord() {
    // Each setText would otherwise read the half-shown controls back.
    showingRecord_ = true;
    const ParolePage& page = wb_.parolePage;
    SoloBx->setChecked(page.SoloBx);
    SoloEd->setText(ToQString(page.SoloEd));
    EdObbligati->setText(ToQString(page.EdObbligati));
    EdProibiti->setText(ToQString(page.EdProibiti));
    EdMiLun->setText(ToQString(page.EdMiLun));
    EdMxLun->setText(ToQString(page.EdMxLun));
    Pattern->setText(ToQString(page.Pattern));
    Pattern2->setText(ToQString(page.Pattern2));
    BuSodd1->setText(ToQString(page.BuSodd1));
    BuSodd2->setText(ToQString(page.BuSodd2));
    EOBott->setText(ToQString(page.EOBott));
    showingRecord_ = false;
}

void TParolePage::BuSoddClick(QPushButton* button) {
    button->setText(ToQString(NextModeCaption(FromQString(button->text()))));
    ReadControls();
}

void TParolePage::EOBottClick() {
    EOBott->setText(ToQString(ToggledEOCaption(FromQString(EOBott->text()))));
    ReadControls();
}

void TParolePage::ButClearClick() {
    ClearParolePage(wb_.parolePage);
    ShowRecord();
    SpiegaPar->show();
}

void TParolePage::SpiegaParClick() { SpiegaPar->hide(); }

void TParolePage::IdleTick() {
    if (SpiegaPar->isHidden()) return;
    SpiegaPar->setText(ToQString(SpiegaParWindow(spiegaOffset_)));
    spiegaOffset_ = NextSpiegaParOffset(spiegaOffset_);
}

bool TParolePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SpiegaPar && event->type() == QEvent::MouseButtonPress) {
        SpiegaParClick();
        return true;
    }
    return TGamePage::eventFilter(watched, event);
}

}  // namespace sillabor::shell
