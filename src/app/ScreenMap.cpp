// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenMap.h"

#include "app/TeamTree.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <cstdio>
#include <utility>

namespace pw {

namespace {

QString line(const QString& kind, const QString& name, const QRect& r)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6\n").arg(kind, name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect onScreen(const QWidget* widget, const QRect& local)
{
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

QString treeLines(QTreeView& tree, const TeamTreeModel& model)
{
    QString text;
    const QRect shown = tree.viewport()->rect();
    for (QModelIndex i = tree.indexAt(QPoint(1, 1)); i.isValid(); i = tree.indexBelow(i)) {
        const QRect r = tree.visualRect(i).intersected(shown);
        if (r.isEmpty())
            break;
        text += line(QStringLiteral("tree"), model.keyOf(i), onScreen(tree.viewport(), r));
    }
    return text;
}

QString menuLines(QMainWindow& window)
{
    QString text;
    for (QAction* a : window.menuBar()->actions()) {
        if (a->menu() && !a->menu()->objectName().isEmpty())
            text += line(QStringLiteral("bar"), a->menu()->objectName(),
                         onScreen(window.menuBar(), window.menuBar()->actionGeometry(a)));
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (!menu->isVisible())
            continue;
        for (QAction* a : menu->actions()) {
            const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
            if (a->isVisible() && !a->isSeparator() && !name.isEmpty())
                text += line(QStringLiteral("menu"), name, onScreen(menu, menu->actionGeometry(a)));
        }
    }
    return text;
}

// Rewrites the file once for everything that moved in one pass of the event loop, after it is
// laid out. The file is replaced by renaming, so a reader never sees half of it, and without
// flushing it to disk, which would slow the very clicks being timed.
class ScreenMapWriter : public QObject {
public:
    ScreenMapWriter(QMainWindow& window, QTreeView& tree, const TeamTreeModel& model, QString file)
        : QObject(&window)
        , m_window(window)
        , m_tree(tree)
        , m_model(model)
        , m_file(std::move(file))
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &ScreenMapWriter::write);
    }
    void schedule() { m_timer.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        // A key or a click may move what is current in any window.
        if (type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease ||
            (watched == &m_window && (type == QEvent::Show || type == QEvent::Resize || type == QEvent::Move)))
            schedule();
        return false;
    }

private:
    void write()
    {
        const QString partial = m_file + QStringLiteral(".part");
        QFile out(partial);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        out.write(screenMapText(m_window, m_tree, m_model).toUtf8());
        out.close();
        std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(m_file).constData());
    }

    QMainWindow& m_window;
    QTreeView& m_tree;
    const TeamTreeModel& m_model;
    QString m_file;
    QTimer m_timer;
};

// The current item of every list, table and tree on screen (a calendar's selected day, say), in
// any of the program's windows.
QString currentLines()
{
    QString text;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (QAbstractItemView* view : top->findChildren<QAbstractItemView*>()) {
            const QRect r = view->visualRect(view->currentIndex()).intersected(view->viewport()->rect());
            if (view->isVisible() && !view->objectName().isEmpty() && !r.isEmpty())
                text += line(QStringLiteral("current"), view->objectName(), onScreen(view->viewport(), r));
        }
    }
    return text;
}

}  // namespace

QString screenMapText(QMainWindow& window, QTreeView& tree, const TeamTreeModel& model)
{
    QString text = line(QStringLiteral("window"), window.objectName(), window.frameGeometry());
    text += treeLines(tree, model);
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* a : bar->actions()) {
            QWidget* button = bar->widgetForAction(a);
            const QString name = a->objectName().isEmpty() && button ? button->objectName() : a->objectName();
            if (button && button->isVisible() && !name.isEmpty())
                text += line(QStringLiteral("tool"), name, onScreen(button, button->rect()));
        }
    }
    return text + menuLines(window) + currentLines();
}

void watchScreenMap(QMainWindow& window, QTreeView& tree, const TeamTreeModel& model)
{
    const QString file = qEnvironmentVariable("PW_BENCH_GEOMETRY");
    if (file.isEmpty())
        return;
    auto* writer = new ScreenMapWriter(window, tree, model, file);
    const auto later = [writer] { writer->schedule(); };
    QObject::connect(&tree, &QTreeView::expanded, writer, later);
    QObject::connect(&tree, &QTreeView::collapsed, writer, later);
    QObject::connect(tree.verticalScrollBar(), &QScrollBar::valueChanged, writer, later);
    QObject::connect(tree.selectionModel(), &QItemSelectionModel::currentChanged, writer, later);
    QObject::connect(tree.model(), &QAbstractItemModel::modelReset, writer, later);
    QObject::connect(tree.model(), &QAbstractItemModel::rowsInserted, writer, later);
    for (QMenu* menu : window.findChildren<QMenu*>())
        QObject::connect(menu, &QMenu::aboutToShow, writer, later);
    // Another window opening or closing moves the focus.
    QObject::connect(qApp, &QApplication::focusChanged, writer, later);
    window.installEventFilter(writer);
    qApp->installEventFilter(writer);
}

}  // namespace pw
