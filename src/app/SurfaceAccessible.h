#pragma once

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>

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

}  // namespace pw
