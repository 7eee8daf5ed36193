#include "shell/cerca_page.h"
#include "shell/widget_helpers.h"

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
#include "cerca/base_word.h"
#include "cerca/cerca_game.h"
#include "cerca/manage_cat.h"

namespace sillabor::shell {

namespace {

// LaBase as laid out, until ManageCat sets the category's limit.
constexpr int kLaidOutBaseLength = 24;
constexpr int kCategoriaRows = 4;

}  // namespace

CercaPage::CercaPage(App& app, CercaGame& game, QWidget* parent)
    : GamePage(app, game, parent), game_(game) {
    const CercaControls& start = game_.state.page;

    // The categories in two columns.
    auto* categories = new QFrame(this);
    categories->setObjectName("Categoria");
    categories->setFrameShape(QFrame::StyledPanel);
    auto* categoryGrid = new QGridLayout(categories);
    categoryGrid->setContentsMargins(6, 3, 6, 3);
    categoryGrid->setVerticalSpacing(0);
    Categoria = new QButtonGroup(categories);
    for (int c = 0; c < kCercaCategoryItems; ++c) {
        auto* item = new QRadioButton(ToQString(kCategoriaItems[c]), categories);
        item->setObjectName(QString("Categoria%1").arg(c));
        Categoria->addButton(item, c);
        categoryGrid->addWidget(item, c % kCategoriaRows, c / kCategoriaRows);
    }
    Categoria->button(start.Categoria)->setChecked(true);

    LaBase = Named<QLineEdit>("LaBase", this);
    LaBase->setMaxLength(kLaidOutBaseLength);
    LaBase->setText(ToQString(start.LaBase));

    SpiegaBase = Named<QLabel>("SpiegaBase", this);
    SpiegaBase->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    gridOptions_ = new QWidget(this);
    CheckDiag = Named<QCheckBox>("CheckDiag", "Anche diag.", gridOptions_);
    CheckDiag->setChecked(start.CheckDiag);
    CheckRiuso = Named<QCheckBox>("CheckRiuso", "Riuso lettere", gridOptions_);
    CheckRiuso->setChecked(start.CheckRiuso);
    auto* paro = new QFrame(gridOptions_);
    paro->setObjectName("RadioParo");
    paro->setFrameShape(QFrame::StyledPanel);
    RadioParo = new QButtonGroup(paro);
    auto* paroRow = new QHBoxLayout(paro);
    paroRow->setContentsMargins(6, 0, 6, 0);
    const char* modes[] = {"risolvi", "disponi", "disp. && ris."};
    for (int i = 0; i < 3; ++i) {
        auto* mode = new QRadioButton(modes[i], paro);
        RadioParo->addButton(mode, i);
        paroRow->addWidget(mode);
    }
    RadioParo->button(start.RadioParo)->setChecked(true);
    auto* optionsRow = new QHBoxLayout(gridOptions_);
    optionsRow->setContentsMargins(0, 0, 0, 0);
    optionsRow->addWidget(CheckDiag);
    optionsRow->addWidget(CheckRiuso);
    optionsRow->addStretch(1);
    optionsRow->addWidget(paro);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);
    column->addWidget(categories);
    column->addWidget(LaBase);
    column->addWidget(SpiegaBase);
    column->addWidget(gridOptions_);
    column->addStretch(1);

    binding_.Choice(Categoria, &CercaControls::Categoria);
    binding_.Text(LaBase, &CercaControls::LaBase);
    binding_.Check(CheckDiag, &CercaControls::CheckDiag);
    binding_.Check(CheckRiuso, &CercaControls::CheckRiuso);
    binding_.Choice(RadioParo, &CercaControls::RadioParo);

    connect(Categoria, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ManageCat();
    });
    connect(RadioParo, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ManageCat();
    });
    connect(CheckDiag, &QCheckBox::toggled, this, &CercaPage::ManageCat);
    connect(CheckRiuso, &QCheckBox::toggled, this, &CercaPage::ManageCat);

    ManageCat();
}

QList<QWidget*> CercaPage::TextFields() const { return {LaBase}; }

QStringList CercaPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void CercaPage::ReadControls() {
    binding_.ToRecord(game_.state.page);
}

void CercaPage::ManageCat() {
    ReadControls();
    const CercaLayout layout = sillabor::ManageCat(game_.state.page);
    gridOptions_->setVisible(layout.gridOptionsVisible);
    CheckRiuso->setEnabled(layout.riusoEnabled);
    LaBase->setMaxLength(layout.baseMaxLength);
    SpiegaBase->setText(ToQString(layout.hint));
    ApplyGridOptions(layout, game_.state);
}

// The grid's arrangement writes the arranged grid back into the base.
void CercaPage::SearchEnded() {
    if (game_.state.BaseArranged) LaBase->setText(ToQString(game_.state.page.LaBase));
}

bool CercaPage::PrepareSearch(int& game, int& option) {
    ReadControls();
    const int category = game_.state.page.Categoria;
    if (NormaliseBase(game_.state, app_.out) != kBaseReady) return false;
    game = game_.Id();
    option = category;
    return true;
}

}  // namespace sillabor::shell
