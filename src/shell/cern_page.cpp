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
    baseField = LimitedEdit("baseField", kCernBaseMaxLength, this);
    selectionField = LimitedEdit("selectionField", kCernSelectionMaxLength, this);
    selectionField->setReadOnly(true);
    selectionField->setFocusPolicy(Qt::ClickFocus);
    goalLabel = Named<QLabel>("goalLabel", "Goal", this);
    goalField = LimitedEdit("goalField", kCernGoalMaxLength, this);
    for (QWidget* goal : {static_cast<QWidget*>(goalLabel), static_cast<QWidget*>(goalField)}) KeepRoomWhenHidden(goal);
    clearButton = Named<QPushButton>("clearButton", "Cancella", this);
    clearButton->setFocusPolicy(Qt::TabFocus);

    auto* modes = new QWidget(this);
    modes->setObjectName("modes");
    auto* modeColumn = new QVBoxLayout(modes);
    modeColumn->setContentsMargins(0, 0, 0, 0);
    modeGroup = new QButtonGroup(modes);
    modeGroup->setObjectName("modeGroup");
    const char* captions[] = {"cernita on-the-fly", "completa la cernita"};
    for (int mode : {kCernOnTheFly, kCernComplete}) {
        auto* item = new QRadioButton(captions[mode], modes);
        item->setObjectName(QString("mode%1").arg(mode));
        modeGroup->addButton(item, mode);
        modeColumn->addWidget(item);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel("Base", this), 0, 0);
    grid->addWidget(baseField, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Cernita", this), 1, 0);
    grid->addWidget(selectionField, 1, 1);
    grid->addWidget(goalLabel, 2, 0);
    grid->addWidget(goalField, 2, 1);
    grid->addWidget(modes, 1, 2, 2, 1, Qt::AlignTop);
    grid->addWidget(clearButton, 1, 3, Qt::AlignTop | Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 12, 10, 6);
    column->addLayout(grid);
    column->addStretch(1);

    const CernRequest start;
    modeGroup->button(start.mode)->setChecked(true);
    const bool complete = start.mode == kCernComplete;
    goalLabel->setVisible(complete);
    goalField->setVisible(complete);

    connect(baseField, &QLineEdit::textChanged, this, &CernPage::BaseEdited);
    connect(goalField, &QLineEdit::textChanged, this, &CernPage::GoalEdited);
    connect(modeGroup, &QButtonGroup::idClicked, this, &CernPage::ModeClicked);
    connect(clearButton, &QPushButton::clicked, this, &CernPage::ClearClicked);
}

CernRequest CernPage::Request() const {
    return {FromQString(baseField->text()), FromQString(goalField->text()),
            static_cast<CernMode>(modeGroup->checkedId())};
}

void CernPage::PageShown() {
    game_.PageShown(app_.dict);
    app_.state.StatusMode = kStatusFoundMale;
    ModeClicked();
}

void CernPage::BaseEdited() {
    GameContext ctx = app_.Context();
    Show(game_.BaseChanged(ctx, Request()));
}

void CernPage::GoalEdited() {
    GameContext ctx = app_.Context();
    Show(game_.GoalChanged(ctx, Request()));
}

void CernPage::ModeClicked() {
    const CernRequest request = Request();
    const bool complete = request.mode == kCernComplete;
    goalLabel->setVisible(complete);
    goalField->setVisible(complete);
    GameContext ctx = app_.Context();
    Show(game_.ModeChosen(ctx, request));
}

void CernPage::ClearClicked() {
    baseField->clear();
    if (modeGroup->checkedId() == kCernComplete) goalField->clear();
}

void CernPage::Show(const CernResult& result) {
    selectionField->setText(ToQString(result.selection));
    if (result.status) emit ShowStatus(ToQString(*result.status));
}

}  // namespace sillabor::shell
