// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/schedule/ScheduleActions.h"

#include "ui/base/Modal.h"

#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/TeamCalendar.h"
#include "ui/schedule/frmNewData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace pw {

namespace {

// The translation context of the schedule texts.
struct Schedule {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

// Tournament games take their dates from the bracket and count nothing towards the season, so
// they are neither moved nor deleted from the season's commands. False when the coach was told.
bool isSeasonGame(qint16 gameNo, const QString& title)
{
    if (gameNo >= 1 && gameNo < kFirstTournamentGameNo)
        return true;
    prompter().message(title, Schedule::tr("Tournament games are changed in their tournament's bracket."),
                       Prompter::Icon::Information);
    return false;
}

}  // namespace

void TeamSetSchedule_Click(QWidget* parent)
{
    const qint16 team = selection().CurrentTeamNo();
    guarded(QStringLiteral("TeamSetSchedule_Click"), traceArg(QStringLiteral("lcTeamNo"), team), [&] {
        if (team < 1)
            return;
        if (!hasOpponents(team)) {
            prompter().message(Schedule::tr("No Opponents"),
                               Schedule::tr("There are no opponents listed. You must first enter the opponent names in "
                                            "the opponents list."),
                               Prompter::Icon::Information);
            return;
        }
        Modal<frmNewData> dialog(team, parent);
        dialog->setWindowTitle(Schedule::tr("Add New Game to Schedule"));
        dialog->setPurpose(frmNewData::Purpose::Game);
        dialog->setGame(0, defaultGameDate(team, nextSeasonGameNo(team)), QTime(12, 0), QString());
        if (dialog.exec() != QDialog::Accepted || !dialog)
            return;
        addSeasonGame(team, dialog->opponentNo(), dialog->date(), dialog->timeText(), dialog->fieldName());
    });
}

void TreeReschedGame_Click(QWidget* parent)
{
    const qint16 team = selection().CurrentTeamNo();
    const qint16 game = selection().CurrentGameNo();
    guarded(QStringLiteral("TreeReschedGame_Click"),
            traceArg(QStringLiteral("lcTeamNo"), team) + traceArg(QStringLiteral("lcGameNo"), game), [&] {
                if (team < 1 || !selection().singleGame())
                    return;
                const QString title = Schedule::tr("Reschedule Game");
                if (!isSeasonGame(game, title))
                    return;
                const ScheduledGame g = readScheduledGame(team, game);
                Modal<frmNewData> dialog(team, parent);
                dialog->setWindowTitle(title);
                dialog->setPurpose(frmNewData::Purpose::Game);
                // A game moved before starts from where it was moved to.
                const bool moved = g.rescheduleDate.isValid();
                dialog->setGame(g.opponentNo, moved ? g.rescheduleDate : g.date,
                                parseGameTime(moved ? g.rescheduleTime : g.timeText), g.fieldName);
                dialog->setOpponentLocked(true);
                if (dialog.exec() != QDialog::Accepted || !dialog)
                    return;
                rescheduleGame(team, game, dialog->date(), dialog->timeText());
            });
}

void TreeDelGame_Click(QWidget* /*parent*/, const QString& nodeText)
{
    const qint16 team = selection().CurrentTeamNo();
    const qint16 game = selection().CurrentGameNo();
    guarded(QStringLiteral("TreeDelGame_Click"),
            traceArg(QStringLiteral("lcTeamNo"), team) + traceArg(QStringLiteral("lcGameNo"), game), [&] {
                if (team < 1 || !selection().singleGame())
                    return;
                const QString title = Schedule::tr("Delete Game");
                if (!isSeasonGame(game, title))
                    return;
                const auto answer = prompter().message(
                    title, Schedule::tr("Are you sure you would like to delete the game with %1?").arg(nodeText),

                    Prompter::Icon::Question, Prompter::Buttons::YesNo);
                if (answer != Prompter::Answer::Yes)
                    return;
                deleteSeasonGame(team, game);
            });
}

void ExportTeamCalendar_Click(QWidget*)
{
    const qint16 team = selection().CurrentTeamNo();
    guarded(QStringLiteral("ExportTeamCalendar_Click"), traceArg(QStringLiteral("lcTeamNo"), team), [&] {
        if (team < 1)
            return;
        // The dialog opens where this team's calendar went last time.
        const QString last = exportedCalendarFile(team);
        const QString folder = last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
        const QString path =
            prompter().saveFileName(Schedule::tr("Export Team Calendar"), folder, calendarFileName(team),
                                    Schedule::tr("iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*"));
        if (path.isEmpty())
            return;
        exportTeamCalendar(team, path);
        rememberExportedCalendar(team, QFileInfo(path).absoluteFilePath());
    });
}

}  // namespace pw
