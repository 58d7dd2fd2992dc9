// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/PracticeSession.h"
#include "ui/base/EditWindow.h"

#include <QDate>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pw {

class PracticeCellDelegate;
class PracticeModel;

// "Training Session Planning": one practice of a team, its times and its timed agenda. Rows get
// a drill from the library, a teaching moment or (for a team meeting) an agenda item with notes
// through the grid's cell editors (PracticeCellDelegate). Nothing is stored before "Update".
class frmPractice : public EditWindow {
    Q_OBJECT
public:
    // key: a stored session ("T1P12"); without "P" a new session on day with the times of the
    // team's practice week.
    frmPractice(qint16 teamNo, const QString& key, const QDate& day, QWidget* parent = nullptr);
    ~frmPractice() override;

    // Runs the window modally (the month calendar opens practices this way).
    static void openSession(qint16 teamNo, const QString& key, const QDate& day, QWidget* parent);
    // The team's month calendar, whose practices and empty days open this window.
    static void showCalendar(qint16 teamNo, QWidget* parent);

    const PracticeSession& session() const { return m_session; }
    const PracticeModel& model() const { return *m_model; }
    QString key() const { return m_key; }
    // The cell whose editor is showing (grid row from 1, column), or {0, -1}.
    QPair<int, int> editedCell() const { return {m_editRow, m_editCol}; }

    // The procedures and handlers, public so that tests drive them as the coach would. Rows are
    // grid rows, the first agenda row being 1.
    void setEditMode(int lcColNo, int lcRowNo);
    void PlaceDrill(int lcRow, int lcCol, qint32 lcPID);
    void SetRowHeight(int lcRow);
    void timesChanged();
    void TeamMeeting_Click();
    void SplitTeam_Click(int lcRow);
    void UndoSplit_Click(int lcRow);
    void Update_Click();
    void Delete_Click();
    void Recurrence_Click();
    void PrintAgenda(bool isPreview);
    void Drills_Click();

protected:
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, in the order the window is built.
    void buildHeaderInputs();
    void buildGrid();
    void buildCellEditors();
    void buildButtons();
    QHBoxLayout* buildHeaderRow();
    void connectWidgets();
    void connectCellEditors();
    void buildMenus();
    void fillHeader();
    void showGrid();
    void hideEditors();
    void moveEditor(int rowStep, int colStep);
    bool editorKey(QObject* watched, int key, Qt::KeyboardModifiers mods);
    void showTimeMenu(int row, const QPoint& globalPos);
    void sizeColumns();
    // The stored session for the report and recurrence: unsaved work is offered for saving first.
    bool storedSession();

    qint16 m_teamNo = 0;
    QString m_key;
    PracticeSession m_session;
    PracticeModel* m_model = nullptr;
    int m_editRow = 0;
    int m_editCol = -1;
    // The grid rows are being laid out anew under an open editor, which is opened again after.
    bool m_relayout = false;

    QLabel* PracticeDate = nullptr;
    QComboBox* StartTime = nullptr;
    QComboBox* EndTime = nullptr;
    QComboBox* TimeSegment = nullptr;
    QCheckBox* TeamMeeting = nullptr;
    QTableView* PracticeList = nullptr;
    PracticeCellDelegate* m_cells = nullptr;
    QFrame* DrillEditor = nullptr;
    QComboBox* DrillList = nullptr;
    QComboBox* DrillList1 = nullptr;
    QComboBox* CoachList = nullptr;
    QPlainTextEdit* txtEditBox = nullptr;
    QPushButton* UpdateBtn = nullptr;
    QPushButton* DrillsBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QMenu* m_timeMenu = nullptr;
    QAction* m_splitAction = nullptr;
    QAction* m_undoSplitAction = nullptr;
    QAction* m_deleteAction = nullptr;
    int m_menuRow = 0;
};

}  // namespace pw
