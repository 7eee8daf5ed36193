#include "shell/cern_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app.h"

namespace sillabor::shell {

namespace {

QLineEdit* LimitedEdit(const char* name, int maxLength, QWidget* parent) {
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

CernPage::CernPage(App& app, CernGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    cernIn = LimitedEdit("cernIn", kCernInMaxLength, this);
    cernOut = LimitedEdit("cernOut", kCernOutMaxLength, this);
    cernOut->setReadOnly(true);
    cernOut->setFocusPolicy(Qt::ClickFocus);
    cernGoalLab = Named<QLabel>("cernGoalLab", "Goal", this);
    cernGoal = LimitedEdit("cernGoal", kCernGoalMaxLength, this);
    for (QWidget* goal : {static_cast<QWidget*>(cernGoalLab), static_cast<QWidget*>(cernGoal)}) KeepRoomWhenHidden(goal);
    CernCanc = Named<QPushButton>("CernCanc", "Cancella", this);
    CernCanc->setFocusPolicy(Qt::TabFocus);

    auto* modes = new QWidget(this);
    modes->setObjectName("RadioCernBox");
    auto* modeColumn = new QVBoxLayout(modes);
    modeColumn->setContentsMargins(0, 0, 0, 0);
    RadioCern = new QButtonGroup(modes);
    RadioCern->setObjectName("RadioCern");
    const char* captions[] = {"cernita on-the-fly", "completa la cernita"};
    for (int mode : {kCernOnTheFly, kCernComplete}) {
        auto* item = new QRadioButton(captions[mode], modes);
        item->setObjectName(QString("RadioCern%1").arg(mode));
        RadioCern->addButton(item, mode);
        modeColumn->addWidget(item);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel("Base", this), 0, 0);
    grid->addWidget(cernIn, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Cernita", this), 1, 0);
    grid->addWidget(cernOut, 1, 1);
    grid->addWidget(cernGoalLab, 2, 0);
    grid->addWidget(cernGoal, 2, 1);
    grid->addWidget(modes, 1, 2, 2, 1, Qt::AlignTop);
    grid->addWidget(CernCanc, 1, 3, Qt::AlignTop | Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 12, 10, 6);
    column->addLayout(grid);
    column->addStretch(1);

    binding_.Text(cernIn, &CernControls::cernIn);
    binding_.Text(cernGoal, &CernControls::cernGoal);
    binding_.Choice(RadioCern, &CernControls::RadioCern);
    binding_.ToWidgets(game_.page);
    const bool complete = game_.page.RadioCern == kCernComplete;
    cernGoalLab->setVisible(complete);
    cernGoal->setVisible(complete);

    connect(cernIn, &QLineEdit::textChanged, this, &CernPage::cernInChange);
    connect(cernGoal, &QLineEdit::textChanged, this, &CernPage::cernGoalChange);
    connect(RadioCern, &QButtonGroup::idClicked, this, &CernPage::RadioCernClick);
    connect(CernCanc, &QPushButton::clicked, this, &CernPage::CernCancClick);
}

void CernPage::PageShown() {
    game_.PageShown(app_.dict);
    app_.state.StatusMode = kStatusFoundMale;
    RadioCernClick();
}

void CernPage::cernInChange() {
    binding_.ToRecord(game_.page);
    GameContext ctx = app_.Context();
    Show(game_.BaseChanged(ctx));
}

void CernPage::cernGoalChange() {
    binding_.ToRecord(game_.page);
    GameContext ctx = app_.Context();
    Show(game_.GoalChanged(ctx));
}

void CernPage::RadioCernClick() {
    binding_.ToRecord(game_.page);
    const bool complete = game_.page.RadioCern == kCernComplete;
    cernGoalLab->setVisible(complete);
    cernGoal->setVisible(complete);
    GameContext ctx = app_.Context();
    Show(game_.ModeChosen(ctx));
}

void CernPage::CernCancClick() {
    cernIn->clear();
    if (game_.page.RadioCern == kCernComplete) cernGoal->clear();
}

void CernPage::Show(const CernShown& shown) {
    cernOut->setText(ToQString(shown.cernOut));
    if (shown.status) emit ShowStatus(ToQString(*shown.status));
}

}  // namespace sillabor::shell
