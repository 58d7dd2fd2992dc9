// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/PracticeCellDelegate.h"

#include "core/practice/PracticeModel.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace pw {

PracticeCellDelegate::PracticeCellDelegate(const PracticeSession& session, qint16 teamNo, QWidget* cells,
                                           std::function<void(const QModelIndex&, qint32)> placeDrill, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_session(session)
    , m_teamNo(teamNo)
    , m_placeDrill(std::move(placeDrill))
{
    m_drillEditor = new QFrame(cells);
    m_drillEditor->setObjectName(QStringLiteral("DrillEditor"));
    m_drillEditor->setFrameShape(QFrame::StyledPanel);
    m_drillEditor->setAutoFillBackground(true);
    m_techniques = new QComboBox(m_drillEditor);
    m_techniques->setObjectName(QStringLiteral("DrillList"));
    m_tactics = new QComboBox(m_drillEditor);
    m_tactics->setObjectName(QStringLiteral("DrillList1"));
    auto* drillGrid = new QGridLayout(m_drillEditor);
    drillGrid->setContentsMargins(4, 4, 4, 4);
    const auto caption = [this](const QString& text, QComboBox* list) {
        auto* l = new QLabel(text, m_drillEditor);
        l->setBuddy(list);
        list->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        list->setMinimumContentsLength(22);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return l;
    };
    drillGrid->addWidget(caption(tr("&Techniques"), m_techniques), 0, 0);
    drillGrid->addWidget(m_techniques, 0, 1);
    drillGrid->addWidget(caption(tr("T&actics"), m_tactics), 1, 0);
    drillGrid->addWidget(m_tactics, 1, 1);
    m_coaches = new QComboBox(cells);
    m_coaches->setObjectName(QStringLiteral("CoachList"));
    m_coaches->setAccessibleName(tr("Coach"));
    m_text = new QPlainTextEdit(cells);
    m_text->setObjectName(QStringLiteral("txtEditBox"));
    m_text->setTabChangesFocus(true);
    m_drillEditor->hide();
    m_coaches->hide();
    m_text->hide();
}

void PracticeCellDelegate::commitFrom(QWidget* source)
{
    m_pickedFrom = qobject_cast<QComboBox*>(source);
    Q_EMIT commitData(source == m_techniques || source == m_tactics ? m_drillEditor : source);
    m_pickedFrom = nullptr;
}

PracticeCellDelegate::Editor PracticeCellDelegate::editorFor(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_session.rows.size())
        return Editor::None;
    const int col = index.column();
    if (m_session.teamMeeting)
        return col == PracticeModel::AgendaItem || col == PracticeModel::Notes ? Editor::Text : Editor::None;
    if (col == PracticeModel::Drill)
        return Editor::Drills;
    if (col == PracticeModel::Coach)
        return Editor::Coach;
    if (col == PracticeModel::Description && m_session.rows.at(index.row()).drillId == kTeachingMoment)
        return Editor::Text;
    return Editor::None;
}

QWidget* PracticeCellDelegate::editorWidget(Editor kind) const
{
    switch (kind) {
    case Editor::Drills: return m_drillEditor;
    case Editor::Coach: return m_coaches;
    case Editor::Text: return m_text;
    case Editor::None: break;
    }
    return nullptr;
}

void PracticeCellDelegate::fillDrillLists()
{
    const DrillLists lists = practiceDrillLists();
    const auto fill = [](QComboBox* box, const QList<DrillChoice>& choices) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const DrillChoice& c : choices)
            box->addItem(c.name, c.drillId);
        box->setEnabled(!choices.isEmpty());
        box->setCurrentIndex(-1);
    };
    fill(m_techniques, lists.techniques);
    fill(m_tactics, lists.tactics);
}

QWidget* PracticeCellDelegate::drillFocus() const
{
    return m_tactics->currentIndex() >= 0 || !m_techniques->isEnabled() ? m_tactics : m_techniques;
}

QWidget* PracticeCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    QWidget* editor = editorWidget(editorFor(index));
    if (editor && editor->parentWidget() != parent)
        editor->setParent(parent);
    m_opening = editor != nullptr;
    return editor;
}

void PracticeCellDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const
{
    editor->hide();
}

void PracticeCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const bool opening = std::exchange(m_opening, false);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (editor == m_drillEditor) {
        if (!opening)
            return;
        // The library may have changed in the drill window meanwhile.
        const_cast<PracticeCellDelegate*>(this)->fillDrillLists();
        const qint32 drillId = index.data(PracticeModel::DrillIdRole).toInt();
        const int tactic = drillId > 0 ? m_tactics->findData(drillId) : -1;
        m_tactics->setCurrentIndex(tactic);
        m_techniques->setCurrentIndex(tactic >= 0 ? -1 : m_techniques->findData(drillId));
    } else if (editor == m_coaches) {
        if (opening) {
            m_coaches->clear();
            for (const QString& coach : FillCoachList(m_teamNo))
                m_coaches->addItem(coachText(coach), coach);
        }
        m_coaches->setCurrentIndex(m_coaches->findText(text));
    } else if (editor == m_text && (opening || m_text->toPlainText() != text)) {
        const QScopedValueRollback filling(m_filling, true);
        m_text->setPlainText(text);
        m_text->moveCursor(QTextCursor::End);
    }
}

void PracticeCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* cells = qobject_cast<PracticeModel*>(model);
    if (!cells)
        return;
    if (editor == m_drillEditor) {
        if (m_pickedFrom && m_pickedFrom->currentIndex() >= 0 && m_placeDrill)
            m_placeDrill(index, m_pickedFrom->currentData().toInt());
    } else if (editor == m_coaches) {
        cells->setCellText(index.row(), PracticeModel::Coach, m_coaches->currentData().toString());

    } else if (editor == m_text) {
        cells->setCellText(index.row(), index.column(), m_text->toPlainText());
    }
}

void PracticeCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const
{
    const QRect cell = option.rect;
    if (!cell.isValid())
        return;
    QSize size = cell.size();
    if (editor == m_text)
        size.setHeight(std::max(size.height(), editor->parentWidget()->fontMetrics().height() * 3 + 8));
    else
        size = size.expandedTo(editor->sizeHint());
    // Kept inside the grid: an editor over the last rows opens upwards.
    const QSize room = editor->parentWidget()->size();
    const int x = std::max(0, std::min(cell.x(), room.width() - size.width()));
    const int y = std::max(0, std::min(cell.y(), room.height() - size.height()));
    editor->setGeometry(QRect(QPoint(x, y), size));
}

bool PracticeCellDelegate::eventFilter(QObject*, QEvent*)
{
    return false;
}

}  // namespace pw
