#pragma once
// Names a screen reader says for the controls of the window: a button or box
// by its caption (the toolkit reads it), a field by the label laid out before
// it. A control with neither gets its name from its page, with setAccessibleName.

class QWidget;

namespace sillabor::shell {

// Whether a screen reader should have a name for the widget: the controls a
// user works (buttons, boxes, fields, lists), not labels and panels.
bool NeedsAccessibleName(const QWidget* widget);

// Gives every field under `root` that has no name yet the name of its label.
void NameControlsForScreenReaders(QWidget* root);

}  // namespace sillabor::shell
