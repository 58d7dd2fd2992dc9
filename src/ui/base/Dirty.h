// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace pw {

// Marks an editing window as changed or saved: flag true enables the save control and adds
// " (Dirty)" once to the caption of captionOwner (a window's title, or a button's text); false
// disables the save control and takes the mark off again.
void Dirty(QWidget* captionOwner, QWidget* saveControl, bool flag);

// The caption with the mark of unsaved changes, in the coach's language.
QString dirtyCaption(const QString& caption);

}  // namespace pw
