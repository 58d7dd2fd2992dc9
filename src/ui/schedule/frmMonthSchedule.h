// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class QComboBox;
class QModelIndex;
class QPushButton;
class QScrollBar;
class QTableView;

namespace pw {

class MonthCalendar;

// "Month Schdule": five weeks of one team's games, practices and team meetings. The coach moves
// by month, year or week and opens an entry (or a free day) with a double click or Enter.
class frmMonthSchedule : public QDialog {
    Q_OBJECT
public:
    // numberOfGames: the team's game count, which the schedule editor needs. today is the day
    // the calendar opens on and marks.
    frmMonthSchedule(qint16 teamNo, qint16 numberOfGames, QWidget* parent = nullptr,
                     const QDate& today = QDate::currentDate());
    ~frmMonthSchedule() override;

    // Runs the calendar modally for the team. openPractice, when given, opens a practice or a new
    // one (see the member of that name).
    static void showCalendar(qint16 teamNo, QWidget* parent,
                             std::function<void(const QString& key, const QDate& day)> openPractice = {});

    // Opens a practice ("T1P12") or, with an empty key, a new one on day. Nothing happens while
    // it is empty.
    std::function<void(const QString& key, const QDate& day)> openPractice;

    MonthCalendar* calendar() const { return m_calendar; }
    // The day the keyboard stands on.
    QDate currentDay() const;

    // The handlers, public so that tests drive them as the coach would.
    void lstMonth_Click();
    void lstYear_Click();
    void WeekScroll_Change();
    // Opens the entry with that key on day; an empty key asks for a new practice there.
    void openEntry(const QDate& day, const QString& key);
    // A double click on a day: entry is the one under the pointer, -1 for the day's free space
    // (the first entry, when there is one), -2 for the "more" line (a choice of all entries).
    void MonthGrid_DblClick(const QDate& day, int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts: the month grid, the pickers, scroll bar and button, their
    // layout with the legend, and the connections.
    void buildGrid();
    void buildControls();
    void buildLayout();
    void connectWidgets();
    void followRange();
    void chooseEntry(const QDate& day);
    bool moveDay(int days);
    void setCurrentDay(const QDate& day);

    qint16 m_teamNo = 0;
    qint16 m_numberOfGames = 0;
    bool m_loading = false;  // held while the pickers are set from the calendar
    MonthCalendar* m_calendar = nullptr;
    QTableView* MonthGrid = nullptr;
    QComboBox* lstMonth = nullptr;
    QComboBox* lstYear = nullptr;
    QScrollBar* WeekScroll = nullptr;
    QPushButton* ReturnBtn = nullptr;
};

}  // namespace pw
