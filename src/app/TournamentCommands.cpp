// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "app/TeamTree.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/tournaments/Bracket.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/schedule/frmNewData.h"
#include "ui/tournaments/TournamentWindow.h"

namespace pw {

namespace {

// The entry dialog in its tournament mode; the entry when the coach pressed OK.
std::optional<TournamentInfo> askTournament(const QString& caption, TournamentInfo info, Shell& shell)
{
    Modal<frmNewData> dialog(info.teamNo, shell.parentWindow());
    dialog->setWindowTitle(caption);
    dialog->setPurpose(frmNewData::Purpose::Tournament);
    dialog->setTournament(info.name, info.startDate, info.rounds);
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return std::nullopt;
    info.name = dialog->tournamentName();
    info.startDate = dialog->tournamentStart();
    info.rounds = qint16(dialog->tournamentRounds());
    return info;
}

void addTournament(Shell& shell)
{
    const qint16 team = selection().CurrentTeamNo();
    TournamentInfo info;
    info.teamNo = team;
    info.tournamentNo = nextTournamentNo(team);  // refuses beyond the last number a team can have
    info.startDate = QDate::currentDate();
    const auto entered = askTournament(Shell::tr("Add New Tournament"), info, shell);
    if (!entered)
        return;
    saveTournament(*entered);
    shell.selectNode(NodeKey::tournament(team, entered->tournamentNo));
}

void modifyTournament(Shell& shell)
{
    const Selection& s = selection();
    const auto info = readTournament(s.CurrentTeamNo(), s.CurrentTournamentNo());
    if (!info)
        return;
    const auto entered = askTournament(Shell::tr("Modify Tournament Information"), *info, shell);
    if (!entered)
        return;
    saveTournament(*entered);
}

void deleteTournament(Shell& shell)
{
    const qint16 team = selection().CurrentTeamNo();
    const qint16 tournament = selection().CurrentTournamentNo();
    const QString name = shell.nodeText(NodeKey::tournament(team, tournament));
    if (name.isEmpty())
        return;
    if (prompter().message(Shell::tr("Confirm Delete"), Shell::tr("Are you sure you want to delete %1?").arg(name),

                           Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    DeleteTournament(team, tournament);
    shell.selectTeam(team);
}

void openBracket(Shell& shell)
{
    const Selection& s = selection();
    if (s.CurrentTournamentNo() < 1)
        return;
    Tournament::openBracket(s.CurrentTeamNo(), s.CurrentTournamentNo(), s.NoTiers(), shell.parentWindow());
}

std::function<void()> runs(Shell& shell, const char* procName, void (*body)(Shell&))
{
    return [&shell, procName, body] { guarded(QString::fromLatin1(procName), {}, [&] { body(shell); }); };
}

}  // namespace

// Tournaments: adding, changing and deleting them, and their brackets.
void registerTournamentCommands(CommandTable& t, Shell& shell)
{
    const auto add = runs(shell, "DataSetTournament_Click", addTournament);
    const auto modify = runs(shell, "DataModTournament_Click", modifyTournament);
    const auto remove = runs(shell, "DataDelTournament_Click", deleteTournament);
    const auto bracket = runs(shell, "TeamTournament_Click", openBracket);
    const Needs selected = Need::Tournaments | Need::TournamentSelected;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetTournament"), .caption = Shell::tr("&Add New"), .tip = Shell::tr("Add a tournament the team plays in"), .needs = Need::Tournaments, .handler = add,
         .placements = {{.menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 10}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 30, .name = QStringLiteral("AddTourney"), .caption = Shell::tr("Add New Tournament")}}},
        {.name = QStringLiteral("DataModTournament"), .caption = Shell::tr("&Modify Selected"), .tip = Shell::tr("Change the selected tournament's name, start date or rounds"), .needs = selected, .handler = modify,
         .placements = {{.menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 20}}},
        {.name = QStringLiteral("DataDelTournament"), .caption = Shell::tr("&Delete Selected"), .tip = Shell::tr("Delete the selected tournament and its bracket"), .needs = selected, .handler = remove,
         .placements = {{.menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 30}}},
        {.name = QStringLiteral("TeamTournament"), .caption = Shell::tr("Tournament Bracket"), .tip = Shell::tr("Open the bracket of the selected tournament"), .icon = QStringLiteral("TeamTournament"), .needs = selected, .handler = bracket,
         .placements = {{.menu = kToolbar, .order = 50}}},
        // The tree's pop-ups stand on a tournament or one of its games, so they need nothing more.
        {.name = QStringLiteral("Bracket"), .caption = Shell::tr("Tournament Bracket"), .tip = Shell::tr("Open the bracket of this tournament"), .handler = bracket,
         .placements = {{.menu = QStringLiteral("TreeTournyMnu"), .order = 10}, {.menu = QStringLiteral("TreeGameMnu"), .order = 10}}},
        {.name = QStringLiteral("Add"), .caption = Shell::tr("Add New Tournament"), .tip = Shell::tr("Add another tournament the team plays in"), .handler = add,
         .placements = {{.menu = QStringLiteral("TreeTournyMnu"), .order = 20}}},
        {.name = QStringLiteral("Modify"), .caption = Shell::tr("Modify Selected"), .tip = Shell::tr("Change this tournament's name, start date or rounds"), .handler = modify,
         .placements = {{.menu = QStringLiteral("TreeTournyMnu"), .order = 30}}},
        {.name = QStringLiteral("Delete"), .caption = Shell::tr("Delete Selected"), .tip = Shell::tr("Delete this tournament and its bracket"), .handler = remove,
         .placements = {{.menu = QStringLiteral("TreeTournyMnu"), .order = 40}}},
    });
    // clang-format on
}

}  // namespace pw
