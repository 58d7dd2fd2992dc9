// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace pw {

// How the coach gets into a field and types in it, the same in every window.

// The field's whole text is selected whenever it gets the focus (Tab, Enter in the field before
// it, a click, the window opening on it) and once more at the first click into it after that,
// also when it had the focus already: what the coach types next replaces what the field held and
// is never added to its end ("3" typed over "3" stays "3", not "33"). Any further click places
// the cursor as in every other field, for editing in place; a press that drags selects what it
// drags over. For line edits and spin boxes; calling it again for a field changes nothing.
void selectWholeOnEntry(QWidget* field);

// Every date and time field in root (root included) takes what the coach types as a whole new
// value: the first key typed replaces what the field shows and the text stays as typed; Enter,
// Tab, the arrow keys or leaving the field read it (readTypedTime, readTypedDate in the field's
// own order of day, month and year) and put it into the field. Text that is no date or time is
// refused with a note beside the field saying why: the keyboard stays in the field, or, when the
// field was left, it goes back to its value. Escape while typing gives the value back. Each field
// also selects its whole value on entry (selectWholeOnEntry).
void typeableDateTimes(QWidget* root);

// Keys the field's validator refuses are not dropped silently: the note says why.
void explainRefusals(QLineEdit* field, const QString& reason);

// A short note beside the field (its tooltip, shown at once) saying why something typed was refused.
void showFieldNote(QWidget* field, const QString& text);

}  // namespace pw
