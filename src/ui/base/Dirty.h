#pragma once

class QWidget;

namespace pw {

// Marks an editing window as changed or saved: flag true enables the save control and adds
// " (Dirty)" once to the caption of captionOwner (a window's title, or a button's text); false
// disables the save control and takes the mark off again.
void Dirty(QWidget* captionOwner, QWidget* saveControl, bool flag);

}  // namespace pw
