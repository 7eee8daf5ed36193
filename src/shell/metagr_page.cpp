#include "shell/metagr_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ladder/ladder_game.h"

namespace sillabor::shell {

TMetagrPage::TMetagrPage(App& app, LadderGame& game, QWidget* parent)
    : TGamePage(app, game.Info(), parent), game_(game) {
    const LadderPage& start = game_.page;
    MetaDa = Named<QLineEdit>("MetaDa", this);
    MetaA = Named<QLineEdit>("MetaA", this);
    for (QLineEdit* field : {MetaDa, MetaA}) {
        field->setMaxLength(kLadderFieldMaxLength);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(kLadderFieldMaxLength + 2, 'M')));
    }
    ASMeta = Named<QCheckBox>("ASMeta", "Aggiunta / Scarto", this);
    MetAna = Named<QCheckBox>("MetAna", "metAnagramma", this);
    std::vector<ListItem> lengths;
    for (int n = 1; n <= kMinInterLengthItems; ++n) lengths.push_back({QString::number(n), n});
    LMinMeta = ValueList("LMinMeta", lengths, start.LMinMeta, this);

    minLengthBox_ = new QWidget(this);
    auto* minLength = new QHBoxLayout(minLengthBox_);
    minLength->setContentsMargins(0, 0, 0, 0);
    minLength->addWidget(new QLabel(" Lunghezza minima parole intermedie ", minLengthBox_));
    minLength->addWidget(LMinMeta);
    LMinMeta->setParent(minLengthBox_);
    minLength->addStretch(1);
    KeepRoomWhenHidden(minLengthBox_);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->addWidget(new QLabel("Inizio : ", this), 0, 0);
    fields->addWidget(MetaDa, 0, 1);
    fields->addWidget(new QLabel("Fine  :", this), 1, 0);
    fields->addWidget(MetaA, 1, 1);
    fields->setColumnStretch(2, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 4);
    column->setSpacing(4);
    column->addLayout(fields);
    auto* addRemove = new QHBoxLayout;
    addRemove->addWidget(ASMeta);
    addRemove->addWidget(minLengthBox_);
    column->addLayout(addRemove);
    column->addWidget(MetAna);
    column->addStretch(1);

    binding_.Text(MetaDa, &LadderPage::MetaDa);
    binding_.Text(MetaA, &LadderPage::MetaA);
    binding_.Check(ASMeta, &LadderPage::ASMeta);
    binding_.Check(MetAna, &LadderPage::MetAna);
    binding_.Choice(LMinMeta, &LadderPage::LMinMeta);
    binding_.ToWidgets(start);

    connect(ASMeta, &QCheckBox::toggled, this, &TMetagrPage::ASMetaClick);
    ASMetaClick();
}

QStringList TMetagrPage::HelpKeys() const { return ToQStringList(game_.HelpKeys()); }

void TMetagrPage::ASMetaClick() { minLengthBox_->setVisible(ASMeta->isChecked()); }

bool TMetagrPage::PrepareSearch(int& game, int& option) {
    binding_.ToRecord(game_.page);
    NormaliseLadderWords(game_.page);
    MetaDa->setText(ToQString(game_.page.MetaDa));
    MetaA->setText(ToQString(game_.page.MetaA));
    game = kGameLadder;
    option = 0;
    return true;
}

}  // namespace sillabor::shell
