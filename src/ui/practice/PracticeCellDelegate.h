// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/PracticeSession.h"

#include <QStyledItemDelegate>

#include <functional>

class QComboBox;
class QFrame;
class QPlainTextEdit;

namespace pw {

// The editors of the practice agenda's cells: the technique and tactic lists for a drill cell,
// the coach list, and a text box for a teaching moment or a team meeting's item and notes. The
// grid opens one at a time over its cell and keeps it there.
//
// Each editor is made once and kept between cells (closing one only hides it), so that the
// window's keyboard handling, installed on them once, stays with them.
class PracticeCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Editor { None, Drills, Coach, Text };

    // placeDrill puts a drill picked in a list into the cell's row; the window owns the session.
    PracticeCellDelegate(const PracticeSession& session, qint16 teamNo, QWidget* cells,
                         std::function<void(const QModelIndex&, qint32)> placeDrill, QObject* parent = nullptr);

    // The editor a cell gets, by the session's mode and the row's drill.
    Editor editorFor(const QModelIndex& index) const;
    QWidget* editorWidget(Editor kind) const;

    QFrame* drillEditor() const { return m_drillEditor; }
    QComboBox* techniques() const { return m_techniques; }
    QComboBox* tactics() const { return m_tactics; }
    QComboBox* coaches() const { return m_coaches; }
    QPlainTextEdit* textBox() const { return m_text; }
    // The drill lists from the library as it is now, nothing picked.
    void fillDrillLists();
    // The list a drill cell starts in: the tactics for a tactic, else the techniques when there
    // are any.
    QWidget* drillFocus() const;

    // A pick in one of the lists, or the text typed, goes to the cell at once (through
    // setModelData), so that putting the editor away never loses it.
    void commitFrom(QWidget* source);
    // The text box is being filled from its cell, not typed into.
    bool isFilling() const { return m_filling; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    // The window walks the cells with the keys itself and puts the editor away when the focus
    // leaves it: the item view's own handling (Tab, Enter, Escape, focus out) is not wanted.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PracticeSession& m_session;
    qint16 m_teamNo = 0;
    std::function<void(const QModelIndex&, qint32)> m_placeDrill;
    QFrame* m_drillEditor = nullptr;
    QComboBox* m_techniques = nullptr;
    QComboBox* m_tactics = nullptr;
    QComboBox* m_coaches = nullptr;
    QPlainTextEdit* m_text = nullptr;
    // Set between createEditor and setEditorData: an editor being opened is filled afresh,
    // one already open only follows its cell.
    mutable bool m_opening = false;
    mutable bool m_filling = false;
    QComboBox* m_pickedFrom = nullptr;
};

}  // namespace pw
