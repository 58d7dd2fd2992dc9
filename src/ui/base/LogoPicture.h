// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QLabel;

namespace pw {

// Shows the picture file in label, fitted into box: an animated GIF plays, a still picture is
// drawn sharp on high-DPI screens. A missing or unreadable file, "" or "0" leave the label empty.
// Returns false when nothing could be shown.
bool showLogo(QLabel* label, const QString& path, QSize box);

}  // namespace pw
