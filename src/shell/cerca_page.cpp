#include "shell/cerca_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app.h"
#include "cerca/cerca_game.h"

namespace sillabor::shell {

namespace {

// The base field as laid out, until the look sets the category's limit.
constexpr int kLaidOutBaseLength = 24;
constexpr int kCategoryRows = 4;

}  // namespace

CercaPage::CercaPage(App& app, CercaGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    const CercaRequest start;

    // The categories in two columns.
    auto* categories = new QFrame(this);
    categories->setObjectName("categories");
    categories->setFrameShape(QFrame::StyledPanel);
    auto* categoryGrid = new QGridLayout(categories);
    categoryGrid->setContentsMargins(6, 3, 6, 3);
    categoryGrid->setVerticalSpacing(0);
    categoryGroup = new QButtonGroup(categories);
    for (int c = 0; c < kCercaCategoryItems; ++c) {
        auto* item = new QRadioButton(ToQString(kCercaCategoryCaptions[c]), categories);
        item->setObjectName(QString("category%1").arg(c));
        categoryGroup->addButton(item, c);
        categoryGrid->addWidget(item, c % kCategoryRows, c / kCategoryRows);
    }
    categoryGroup->button(start.category)->setChecked(true);

    baseField = Named<QLineEdit>("baseField", this);
    baseField->setMaxLength(kLaidOutBaseLength);
    baseField->setAccessibleName("Parola base");

    baseHint = Named<QLabel>("baseHint", this);
    baseHint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    gridOptions_ = new QWidget(this);
    diagonalsBox = Named<QCheckBox>("diagonalsBox", "Anche diag.", gridOptions_);
    diagonalsBox->setChecked(start.diagonals);
    reuseBox = Named<QCheckBox>("reuseBox", "Riuso lettere", gridOptions_);
    reuseBox->setChecked(start.reuseLetters);
    auto* modes = new QFrame(gridOptions_);
    modes->setObjectName("gridModes");
    modes->setFrameShape(QFrame::StyledPanel);
    gridModeGroup = new QButtonGroup(modes);
    auto* modeRow = new QHBoxLayout(modes);
    modeRow->setContentsMargins(6, 0, 6, 0);
    const char* captions[] = {"risolvi", "disponi", "disp. && ris."};
    for (int i = 0; i < 3; ++i) {
        auto* mode = new QRadioButton(captions[i], modes);
        gridModeGroup->addButton(mode, i);
        modeRow->addWidget(mode);
    }
    gridModeGroup->button(start.gridMode)->setChecked(true);
    auto* optionsRow = new QHBoxLayout(gridOptions_);
    optionsRow->setContentsMargins(0, 0, 0, 0);
    optionsRow->addWidget(diagonalsBox);
    optionsRow->addWidget(reuseBox);
    optionsRow->addStretch(1);
    optionsRow->addWidget(modes);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);
    column->addWidget(categories);
    column->addWidget(baseField);
    column->addWidget(baseHint);
    column->addWidget(gridOptions_);
    column->addStretch(1);

    connect(categoryGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) UpdateLook();
    });
    connect(gridModeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) UpdateLook();
    });
    connect(diagonalsBox, &QCheckBox::toggled, this, &CercaPage::UpdateLook);
    connect(reuseBox, &QCheckBox::toggled, this, &CercaPage::UpdateLook);

    UpdateLook();
}

QList<QWidget*> CercaPage::TextFields() const { return {baseField}; }

QStringList CercaPage::HelpKeys() const { return ToQStringList(CercaHelpKeys(categoryGroup->checkedId())); }

CercaRequest CercaPage::Request() const {
    CercaRequest request;
    request.category = static_cast<CercaCategory>(categoryGroup->checkedId());
    request.base = FromQString(baseField->text());
    request.diagonals = diagonalsBox->isChecked();
    request.reuseLetters = reuseBox->isChecked();
    request.gridMode = static_cast<CercaGridMode>(gridModeGroup->checkedId());
    return request;
}

void CercaPage::UpdateLook() {
    const CercaLook look = CercaPageLook(Request());
    gridOptions_->setVisible(look.gridOptionsVisible);
    reuseBox->setEnabled(look.reuseEnabled);
    baseField->setMaxLength(look.baseMaxLength);
    baseHint->setText(ToQString(look.hint));
}

void CercaPage::SearchEnded() {
    const std::shared_ptr<CercaResult> result = std::move(result_);
    if (result && result->arrangedBase) baseField->setText(ToQString(*result->arrangedBase));
}

bool CercaPage::PrepareSearch(int& game, int& option) {
    const CercaRequest request = Request();
    const Checked<CercaRequest> checked = CheckCercaRequest(request);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        // The message shows at once, under the results already there.
        for (const std::string& line : refusal->lines) app_.out.PrintLine(line);
        if (!refusal->lines.empty()) app_.out.RefreshOutput();
        return false;
    }
    game = game_.Id();
    option = request.category;
    return true;
}

SearchJob CercaPage::JobFor(int /*game*/, int /*option*/) {
    result_ = std::make_shared<CercaResult>();
    return game_.Job(Request(), result_);
}

}  // namespace sillabor::shell
