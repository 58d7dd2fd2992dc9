// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/EditWindow.h"

#include "common/Prompter.h"
#include "ui/base/Dirty.h"

#include <QAction>
#include <QCloseEvent>
#include <QUndoStack>

namespace pw {

EditWindow::EditWindow(QWidget* parent)
    : QDialog(parent)
    , m_undo(new QUndoStack(this))
    , m_questionTitle(tr("Save Data"))
    , m_questionText(tr("Do you want to save your changes?"))
{
    QAction* undo = m_undo->createUndoAction(this);
    undo->setObjectName(QStringLiteral("UndoAction"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(this);
    redo->setObjectName(QStringLiteral("RedoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(QKeySequence::Redo)});
    addAction(undo);
    addAction(redo);
    connect(m_undo, &QUndoStack::cleanChanged, this, [this] { showDirty(); });
}

EditWindow::~EditWindow()
{
    // A stack that is not clean says so as it is destroyed with the window's children, by which
    // time this window is no longer one to show it.
    disconnect(m_undo, nullptr, this, nullptr);
}

bool EditWindow::isDirty() const
{
    return m_fieldsChanged || !m_undo->isClean();
}

void EditWindow::markChanged()
{
    if (m_loading)
        return;
    m_fieldsChanged = true;
    showDirty();
}

void EditWindow::markSaved()
{
    m_fieldsChanged = false;
    m_undo->setClean();
    showDirty();
}

void EditWindow::setDirtyMarker(QWidget* captionOwner, QWidget* saveControl)
{
    m_captionOwner = captionOwner;
    m_saveControl = saveControl;
    showDirty();
}

void EditWindow::setUnsavedQuestion(const QString& title, const QString& text)
{
    m_questionTitle = title;
    m_questionText = text;
}

void EditWindow::showDirty()
{
    Dirty(m_captionOwner ? m_captionOwner : this, m_saveControl, isDirty());
}

bool EditWindow::closeWindow()
{
    return close();
}

bool EditWindow::settleChanges()
{
    if (!isDirty())
        return true;
    const auto answer =
        prompter().message(m_questionTitle, m_questionText, Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::Yes)
        return guardedValue(QStringLiteral("save"), {}, false, [&] { return save(); });
    return true;
}

void EditWindow::reject()
{
    if (settleChanges())
        QDialog::reject();
}

void EditWindow::closeEvent(QCloseEvent* event)
{
    // Kept open when the coach cancels or the save failed: nothing the coach did is thrown away
    // unasked.
    if (settleChanges())
        event->accept();
    else
        event->ignore();
}

}  // namespace pw
