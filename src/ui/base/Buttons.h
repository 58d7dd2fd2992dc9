// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QString>

namespace pw {

// A window's push button, named for the tests and screen readers' tools. It never takes Enter as
// the default button would: Enter belongs to the list or field the coach is in.
inline QPushButton* namedButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace pw
