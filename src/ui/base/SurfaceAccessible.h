// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>
#include <QTreeView>

class QComboBox;

namespace pw {

// One item drawn on a custom surface (a place icon on the field, a bracket label, a marker of a
// drill diagram) as a screen reader sees it.
struct SurfaceItem {
    QString name;
    QString description;
    QRect rect;  // in the surface widget's coordinates; empty when the item is not shown
    QAccessible::Role role = QAccessible::Graphic;
    bool selected = false;
    bool focused = false;
};

// What a custom-drawn widget tells screen readers about the items it draws. A widget that
// implements this (next to QWidget) gets an accessible interface whose children are its items,
// once installSurfaceAccessibility() has run. Items are known by keys of the widget's choosing.
class SurfaceAccessibility {
public:
    virtual ~SurfaceAccessibility() = default;
    // The keys of the items shown, in reading order.
    virtual QList<int> accessibleItems() const = 0;
    virtual SurfaceItem accessibleItem(int key) const = 0;
};

// Installs (once per run) the factory that gives every SurfaceAccessibility widget its interface.
void installSurfaceAccessibility();

// A tree whose items report only the part of them in sight. Screen readers take an item's place
// from visualRect(), and a node wider than its pane (a long detail line in a narrow tree) would
// otherwise be reported beyond the pane's edge, where a click at its centre lands on whatever
// lies next to the pane. The tree paints and hit-tests without it.
class ClippedTreeView : public QTreeView {
public:
    using QTreeView::QTreeView;
    QRect visualRect(const QModelIndex& index) const override;
};

// Keeps the entries of the combo box's open list no wider than the list. Styles that draw the
// list like a menu ask for entries twice as wide as a narrow list (a year), which screen readers
// would report reaching past the list's edge; the entries are drawn as before.
void fitEntriesToList(QComboBox* combo);

}  // namespace pw
