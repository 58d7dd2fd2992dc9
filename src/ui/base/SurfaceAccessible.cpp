// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/SurfaceAccessible.h"

#include <QAbstractItemDelegate>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace pw {

namespace {

SurfaceAccessibility* surfaceOf(QWidget* w)
{
    return dynamic_cast<SurfaceAccessibility*>(w);
}

// One drawn item; it asks the surface afresh each time, so it never shows a stale state.
class SurfaceItemAccessible : public QAccessibleInterface {
public:
    SurfaceItemAccessible(QWidget* surface, int key)
        : m_surface(surface)
        , m_key(key)
    {
    }
    int key() const { return m_key; }
    bool isValid() const override { return m_surface && surfaceOf(m_surface)->accessibleItems().contains(m_key); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_surface ? m_surface->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_surface.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const SurfaceItem item = surfaceOf(m_surface)->accessibleItem(m_key);
        return t == QAccessible::Name ? item.name : t == QAccessible::Description ? item.description : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = surfaceOf(m_surface)->accessibleItem(m_key).rect;
        return QRect(m_surface->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return isValid() ? surfaceOf(m_surface)->accessibleItem(m_key).role : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (!isValid()) {
            s.invisible = true;
            return s;
        }
        const SurfaceItem item = surfaceOf(m_surface)->accessibleItem(m_key);
        s.selected = item.selected;
        s.focused = item.focused;
        s.invisible = item.rect.isEmpty();
        return s;
    }

private:
    QPointer<QWidget> m_surface;
    int m_key;
};

class SurfaceWidgetAccessible : public QAccessibleWidget {
public:
    explicit SurfaceWidgetAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Pane)
    {
    }
    ~SurfaceWidgetAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
    }
    QList<int> keys() const { return surfaceOf(widget())->accessibleItems(); }
    int childCount() const override { return int(keys().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<int> all = keys();
        if (index < 0 || index >= all.size())
            return nullptr;
        const int key = all[index];
        if (const auto it = m_ids.constFind(key); it != m_ids.cend())
            return QAccessible::accessibleInterface(*it);
        auto* item = new SurfaceItemAccessible(widget(), key);
        m_ids.insert(key, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const SurfaceItemAccessible*>(child);
        return item ? int(keys().indexOf(item->key())) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const QList<int> all = keys();
        // The item drawn last is on top.
        for (qsizetype i = all.size() - 1; i >= 0; --i) {
            if (surfaceOf(widget())->accessibleItem(all[i]).rect.contains(at))
                return child(int(i));
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QList<int> all = keys();
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (surfaceOf(widget())->accessibleItem(all[i]).focused)
                return child(int(i));
        }
        return nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> m_ids;
};

QAccessibleInterface* surfaceFactory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && surfaceOf(static_cast<QWidget*>(object)))
        return new SurfaceWidgetAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

QRect ClippedTreeView::visualRect(const QModelIndex& index) const
{
    return QTreeView::visualRect(index).intersected(viewport()->rect());
}

namespace {

// The combo box's own delegate, asked for entries no wider than the list's viewport.
class FittedEntries : public QAbstractItemDelegate {
public:
    FittedEntries(QAbstractItemDelegate* drawn, QAbstractItemView* list)
        : QAbstractItemDelegate(list)
        , m_drawn(drawn)
        , m_list(list)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (m_drawn)
            m_drawn->paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = m_drawn ? m_drawn->sizeHint(option, index) : QSize();
        size.setWidth(std::min(size.width(), m_list->viewport()->width()));
        return size;
    }
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        return m_drawn && m_drawn->editorEvent(event, model, option, index);
    }
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        return m_drawn && m_drawn->helpEvent(event, view, option, index);
    }

private:
    QPointer<QAbstractItemDelegate> m_drawn;
    QAbstractItemView* m_list;
};

}  // namespace

void fitEntriesToList(QComboBox* combo)
{
    // The combo box keeps its delegate (owned by its list) when another is set.
    combo->setItemDelegate(new FittedEntries(combo->itemDelegate(), combo->view()));
}

void installSurfaceAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(surfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace pw
