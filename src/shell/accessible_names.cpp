#include "shell/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace sillabor::shell {

namespace {

// A caption as read aloud: without the mnemonic's '&' and the padding.
QString Spoken(QString caption) {
    caption.replace("&&", "\x01");
    caption.remove('&');
    caption.replace('\x01', '&');
    return caption.simplified();
}

// The label just before the widget in the layout that holds it, if any.
const QLabel* LabelBefore(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) return nullptr;
    for (const QLayout* layout : parent->findChildren<QLayout*>()) {
        const int at = layout->indexOf(widget);
        if (at <= 0) continue;
        if (const QLayoutItem* before = layout->itemAt(at - 1); before != nullptr)
            return qobject_cast<const QLabel*>(before->widget());
    }
    return nullptr;
}

// A label that names the widget: the one whose buddy it is, or the one before it.
QString LabelOf(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (parent != nullptr)
        for (const QLabel* label : parent->findChildren<QLabel*>())
            if (label->buddy() == widget) return Spoken(label->text());
    const QLabel* before = LabelBefore(widget);
    return before != nullptr ? Spoken(before->text()) : QString();
}

}  // namespace

bool NeedsAccessibleName(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr || qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr || qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr || qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

void NameControlsForScreenReaders(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!NeedsAccessibleName(widget) || !widget->accessibleName().isEmpty()) continue;
        // A combo box's own line edit and list are named through the box.
        if (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) continue;
        // A button is read by its caption, which may change: the toolkit reads it as it is.
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button != nullptr && !button->text().isEmpty())
            continue;
        const QString name = LabelOf(widget);
        if (!name.isEmpty()) widget->setAccessibleName(name);
    }
}

}  // namespace sillabor::shell
