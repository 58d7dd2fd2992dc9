// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "common/Selection.h"
#include "common/Trace.h"
#include "core/reports/Reports.h"
#include "ui/base/Commands.h"
#include "ui/base/FieldConfig.h"
#include "ui/base/Shell.h"

#include <optional>

namespace pw {

namespace {

// What a report needs of the selection, read when the command runs.
using ReportOf = std::function<Report()>;

struct Printing {
    const char* procName;
    ReportOf report;
    int orientation;
    QString documentName;
};

// The menus' Print and Preview entries pass their choice; the toolbar's Print button and the
// tree's Print entry ask whether to preview first.
std::function<void()> runs(Shell& shell, const Printing& what, std::optional<bool> isPreview)
{
    return [&shell, what, isPreview] {
        const QString procName = QString::fromLatin1(what.procName);
        guarded(procName, {}, [&] {
            runReport(procName, what.report(), what.orientation, what.documentName, isPreview, shell.parentWindow());
        });
    };
}

}  // namespace

// Printed reports and their previews, each enabled when its report has what it needs: a team,
// a single game, or a player.
void registerReportCommands(CommandTable& t, Shell& shell)
{
    const auto team = [] { return selection().CurrentTeamNo(); };
    const Printing teamStats{"FilePrintTeamSub",
                             [team] { return Report([t = team()](Printout& p) { FilePrintTeamSub(p, t); }); },
                             kTeamStatsOrientation, Shell::tr("Team Statistics")};
    const Printing official{"PrintOfficialRoster",
                            [team] { return Report([t = team()](Printout& p) { PrintOfficialRoster(p, t); }); },
                            kOfficialRosterOrientation, Shell::tr("Official Roster")};
    const Printing handout{"PrintHandoutRoster",
                           [team] { return Report([t = team()](Printout& p) { PrintHandoutRoster(p, t); }); },
                           kHandoutOrientation, Shell::tr("Roster")};
    const Printing schedule{"PrintSchedule",
                            [team] { return Report([t = team()](Printout& p) { PrintSchedule(p, t); }); },
                            kScheduleOrientation, Shell::tr("Schedule")};
    const Printing playTime{"PrintPlayTimeReport",
                            [team] { return Report([t = team()](Printout& p) { PrintPlayTimeReport(p, t); }); },
                            kPlayTimeOrientation, Shell::tr("Playing Time Report")};
    const Printing sheet{
        "PrintStatSheet",
        [team] {
            return Report([t = team(), g = selection().CurrentGameNo()](Printout& p) { PrintStatSheet(p, t, g); });
        },
        kStatSheetOrientation, Shell::tr("Stat Sheet")};
    // Whom to print is asked before the preview opens, once.
    const Printing playerStats{"FilePrintPlayerSub",
                               [team] {
                                   const QList<qint16> players = playersToPrint(team(), selection().CurrentPlayerNo());
                                   return Report(
                                       [t = team(), players](Printout& p) { PrintIndividualStats(p, t, players); });
                               },
                               kPlayerStatsOrientation, Shell::tr("Player Statistics")};
    const Printing playerNotes{"FilePrintNotesSub",
                               [team] {
                                   const QList<qint16> players = playersToPrint(team(), selection().CurrentPlayerNo());
                                   // The list is either the selected player or the whole team.
                                   const qint16 only = players.size() == 1 ? players.first() : qint16(0);
                                   return Report([t = team(), only](Printout& p) { PrintPlayerNotes(p, t, only); });
                               },
                               kPlayerNotesOrientation, Shell::tr("Player Notes")};
    const Needs forTeam = Need::Team;
    const Needs forGame = Need::Team | Need::Game;
    const Needs forPlayer = Need::Team | Need::Player;
    const std::optional<bool> preview = true;
    const std::optional<bool> paper = false;
    const std::optional<bool> ask;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FilePreviewTeam"), .caption = Shell::tr("&Team Stats"), .tip = Shell::tr("Show the team's statistics on screen as they will print"), .needs = forTeam, .handler = runs(shell, teamStats, preview), .placements = {{.menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePreviewRosterOfficial"), .caption = Shell::tr("&Official Format"), .tip = Shell::tr("Show the roster in the league's official format on screen"), .needs = forTeam, .handler = runs(shell, official, preview), .placements = {{.menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePreviewRosterHandout"), .caption = Shell::tr("&Handout Format"), .tip = Shell::tr("Show the roster handout for the families on screen"), .needs = forTeam, .handler = runs(shell, handout, preview), .placements = {{.menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 20}}},
        {.name = QStringLiteral("FilePreviewSchedule"), .caption = Shell::tr("&Schedule"), .tip = Shell::tr("Show the team's season schedule on screen"), .needs = forTeam, .handler = runs(shell, schedule, preview), .placements = {{.menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 30}}},
        {.name = QStringLiteral("FilePreviewPlayTime"), .caption = Shell::tr("&Playing Time Report"), .tip = Shell::tr("Show each player's periods, positions and season share on screen, for the families"), .needs = forTeam, .handler = runs(shell, playTime, preview), .placements = {{.menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 40}}},
        {.name = QStringLiteral("FilePrintTeam"), .caption = Shell::tr("&Team Stats"), .tip = Shell::tr("Print the team's statistics"), .needs = forTeam, .handler = runs(shell, teamStats, paper), .placements = {{.menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePrintRosterOfficial"), .caption = Shell::tr("&Official Format"), .tip = Shell::tr("Print the roster in the league's official format"), .needs = forTeam, .handler = runs(shell, official, paper), .placements = {{.menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePrintRosterHandout"), .caption = Shell::tr("&Handout Format"), .tip = Shell::tr("Print the roster handout for the families"), .needs = forTeam, .handler = runs(shell, handout, paper), .placements = {{.menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 20}}},
        {.name = QStringLiteral("FilePrintSchedule"), .caption = Shell::tr("&Schedule"), .tip = Shell::tr("Print the team's season schedule"), .needs = forTeam, .handler = runs(shell, schedule, paper), .placements = {{.menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 30}}},
        {.name = QStringLiteral("FilePrintPlayTime"), .caption = Shell::tr("&Playing Time Report"), .tip = Shell::tr("Print each player's periods, positions and season share, for the families"), .needs = forTeam, .handler = runs(shell, playTime, paper), .placements = {{.menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 40}}},
        {.name = QStringLiteral("FilePreviewSheet"), .caption = Shell::tr("&Stat Sheet"), .tip = Shell::tr("Show a blank statistics sheet for the selected game on screen"), .needs = forGame, .handler = runs(shell, sheet, preview), .placements = {{.menu = QStringLiteral("mnuGame/GamePreviewMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePrintSheet"), .caption = Shell::tr("&Stat Sheet"), .tip = Shell::tr("Print a blank statistics sheet for the selected game"), .needs = forGame, .handler = runs(shell, sheet, paper), .placements = {{.menu = QStringLiteral("mnuGame/GamePrintMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePreviewPlayer"), .caption = Shell::tr("Player &Stats"), .tip = Shell::tr("Show the statistics of the selected player, or of every player, on screen"), .needs = forPlayer, .handler = runs(shell, playerStats, preview), .placements = {{.menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePreviewNotes"), .caption = Shell::tr("Player &Notes"), .tip = Shell::tr("Show the notes of the selected player, or of every player, on screen"), .needs = forPlayer, .handler = runs(shell, playerNotes, preview), .placements = {{.menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 20}}},
        {.name = QStringLiteral("FilePrintPlayer"), .caption = Shell::tr("Player &Stats"), .tip = Shell::tr("Print the statistics of the selected player, or of every player"), .needs = forPlayer, .handler = runs(shell, playerStats, paper), .placements = {{.menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 10}}},
        {.name = QStringLiteral("FilePrintNotes"), .caption = Shell::tr("Player &Notes"), .tip = Shell::tr("Print the notes of the selected player, or of every player"), .needs = forPlayer, .handler = runs(shell, playerNotes, paper), .placements = {{.menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 20}}},
        {.name = QStringLiteral("TeamPrintStat"), .caption = Shell::tr("Team Statistics"), .tip = Shell::tr("Print or preview the team's statistics"), .needs = forTeam, .handler = runs(shell, teamStats, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 10}, {.menu = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .order = 10, .name = QStringLiteral("PrintTeamStats"), .caption = Shell::tr("Team Stats")}}},
        {.name = QStringLiteral("TeamPrintRoster"), .caption = Shell::tr("Roster"), .tip = Shell::tr("Print or preview the roster handout for the families"), .needs = forTeam, .handler = runs(shell, handout, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 20}}},
        {.name = QStringLiteral("TeamPrintSchedule"), .caption = Shell::tr("Schedule"), .tip = Shell::tr("Print or preview the team's season schedule"), .needs = forTeam, .handler = runs(shell, schedule, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 30}}},
        {.name = QStringLiteral("TeamPrintPlayTime"), .caption = Shell::tr("Playing Time Report"), .tip = Shell::tr("Print or preview each player's periods, positions and season share"), .needs = forTeam, .handler = runs(shell, playTime, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 35}, {.menu = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .order = 20}}},
        {.name = QStringLiteral("GamePrintStatSheet"), .caption = Shell::tr("Blank Stat Sheet"), .tip = Shell::tr("Print or preview a blank statistics sheet for the selected game"), .needs = forGame, .handler = runs(shell, sheet, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 40}}},
        {.name = QStringLiteral("PlayerPrintStats"), .caption = Shell::tr("Player Statistics"), .tip = Shell::tr("Print or preview player statistics"), .needs = forPlayer, .handler = runs(shell, playerStats, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 50}}},
        {.name = QStringLiteral("PlayerPrintNotes"), .caption = Shell::tr("Player Notes"), .tip = Shell::tr("Print or preview player notes"), .needs = forPlayer, .handler = runs(shell, playerNotes, ask), .placements = {{.menu = QStringLiteral("PrintMenu"), .order = 60}}},
    });
    // clang-format on
}

}  // namespace pw
