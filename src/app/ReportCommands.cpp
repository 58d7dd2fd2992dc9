#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/reports/Reports.h"
#include "ui/base/Commands.h"
#include "ui/base/FieldConfig.h"

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
std::function<void()> runs(MainForm& main, const Printing& what, std::optional<bool> isPreview)
{
    return [&main, what, isPreview] {
        const QString procName = QString::fromLatin1(what.procName);
        guarded(procName, {},
                [&] { runReport(procName, what.report(), what.orientation, what.documentName, isPreview, &main); });
    };
}

}  // namespace

// Printed reports and their previews, each enabled when its report has what it needs: a team,
// a single game, or a player.
void registerReportCommands(CommandTable& t, MainForm& main)
{
    const auto team = [] { return selection().CurrentTeamNo(); };
    const Printing teamStats{"FilePrintTeamSub",
                             [team] { return Report([t = team()](Printout& p) { FilePrintTeamSub(p, t); }); },
                             kTeamStatsOrientation, MainForm::tr("Team Statistics")};
    const Printing official{"PrintOfficialRoster",
                            [team] { return Report([t = team()](Printout& p) { PrintOfficialRoster(p, t); }); },
                            kOfficialRosterOrientation, MainForm::tr("Official Roster")};
    const Printing handout{"PrintHandoutRoster",
                           [team] { return Report([t = team()](Printout& p) { PrintHandoutRoster(p, t); }); },
                           kHandoutOrientation, MainForm::tr("Roster")};
    const Printing schedule{"PrintSchedule",
                            [team] { return Report([t = team()](Printout& p) { PrintSchedule(p, t); }); },
                            kScheduleOrientation, MainForm::tr("Schedule")};
    const Printing sheet{
        "PrintStatSheet",
        [team] {
            return Report([t = team(), g = selection().CurrentGameNo()](Printout& p) { PrintStatSheet(p, t, g); });
        },
        kStatSheetOrientation, MainForm::tr("Stat Sheet")};
    // Whom to print is asked before the preview opens, once.
    const Printing playerStats{"FilePrintPlayerSub",
                               [team] {
                                   const QList<qint16> players = playersToPrint(team(), selection().CurrentPlayerNo());
                                   return Report(
                                       [t = team(), players](Printout& p) { PrintIndividualStats(p, t, players); });
                               },
                               kPlayerStatsOrientation, MainForm::tr("Player Statistics")};
    const Printing playerNotes{"FilePrintNotesSub",
                               [team] {
                                   const QList<qint16> players = playersToPrint(team(), selection().CurrentPlayerNo());
                                   // The list is either the selected player or the whole team.
                                   const qint16 only = players.size() == 1 ? players.first() : qint16(0);
                                   return Report([t = team(), only](Printout& p) { PrintPlayerNotes(p, t, only); });
                               },
                               kPlayerNotesOrientation, MainForm::tr("Player Notes")};
    const Needs forTeam = Need::Team;
    const Needs forGame = Need::Team | Need::Game;
    const Needs forPlayer = Need::Team | Need::Player;
    const std::optional<bool> preview = true;
    const std::optional<bool> paper = false;
    const std::optional<bool> ask;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FilePreviewTeam"), .caption = MainForm::tr("&Team Stats"), .menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 10, .needs = forTeam, .handler = runs(main, teamStats, preview)},
        {.name = QStringLiteral("FilePreviewRosterOfficial"), .caption = MainForm::tr("&Official Format"), .menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 10, .needs = forTeam, .handler = runs(main, official, preview)},
        {.name = QStringLiteral("FilePreviewRosterHandout"), .caption = MainForm::tr("&Handout Format"), .menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 20, .needs = forTeam, .handler = runs(main, handout, preview)},
        {.name = QStringLiteral("FilePreviewSchedule"), .caption = MainForm::tr("&Schedule"), .menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 30, .needs = forTeam, .handler = runs(main, schedule, preview)},
        {.name = QStringLiteral("FilePrintTeam"), .caption = MainForm::tr("&Team Stats"), .menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 10, .needs = forTeam, .handler = runs(main, teamStats, paper)},
        {.name = QStringLiteral("FilePrintRosterOfficial"), .caption = MainForm::tr("&Official Format"), .menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 10, .needs = forTeam, .handler = runs(main, official, paper)},
        {.name = QStringLiteral("FilePrintRosterHandout"), .caption = MainForm::tr("&Handout Format"), .menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 20, .needs = forTeam, .handler = runs(main, handout, paper)},
        {.name = QStringLiteral("FilePrintSchedule"), .caption = MainForm::tr("&Schedule"), .menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 30, .needs = forTeam, .handler = runs(main, schedule, paper)},
        {.name = QStringLiteral("FilePreviewSheet"), .caption = MainForm::tr("&Stat Sheet"), .menu = QStringLiteral("mnuGame/GamePreviewMenu"), .order = 10, .needs = forGame, .handler = runs(main, sheet, preview)},
        {.name = QStringLiteral("FilePrintSheet"), .caption = MainForm::tr("&Stat Sheet"), .menu = QStringLiteral("mnuGame/GamePrintMenu"), .order = 10, .needs = forGame, .handler = runs(main, sheet, paper)},
        {.name = QStringLiteral("FilePreviewPlayer"), .caption = MainForm::tr("Player &Stats"), .menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 10, .needs = forPlayer, .handler = runs(main, playerStats, preview)},
        {.name = QStringLiteral("FilePreviewNotes"), .caption = MainForm::tr("Player &Notes"), .menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 20, .needs = forPlayer, .handler = runs(main, playerNotes, preview)},
        {.name = QStringLiteral("FilePrintPlayer"), .caption = MainForm::tr("Player &Stats"), .menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 10, .needs = forPlayer, .handler = runs(main, playerStats, paper)},
        {.name = QStringLiteral("FilePrintNotes"), .caption = MainForm::tr("Player &Notes"), .menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 20, .needs = forPlayer, .handler = runs(main, playerNotes, paper)},
        {.name = QStringLiteral("TeamPrintStat"), .caption = MainForm::tr("Team Statistics"), .menu = QStringLiteral("PrintMenu"), .order = 10, .needs = forTeam, .handler = runs(main, teamStats, ask)},
        {.name = QStringLiteral("TeamPrintRoster"), .caption = MainForm::tr("Roster"), .menu = QStringLiteral("PrintMenu"), .order = 20, .needs = forTeam, .handler = runs(main, handout, ask)},
        {.name = QStringLiteral("TeamPrintSchedule"), .caption = MainForm::tr("Schedule"), .menu = QStringLiteral("PrintMenu"), .order = 30, .needs = forTeam, .handler = runs(main, schedule, ask)},
        {.name = QStringLiteral("GamePrintStatSheet"), .caption = MainForm::tr("Blank Stat Sheet"), .menu = QStringLiteral("PrintMenu"), .order = 40, .needs = forGame, .handler = runs(main, sheet, ask)},
        {.name = QStringLiteral("PlayerPrintStats"), .caption = MainForm::tr("Player Statistics"), .menu = QStringLiteral("PrintMenu"), .order = 50, .needs = forPlayer, .handler = runs(main, playerStats, ask)},
        {.name = QStringLiteral("PlayerPrintNotes"), .caption = MainForm::tr("Player Notes"), .menu = QStringLiteral("PrintMenu"), .order = 60, .needs = forPlayer, .handler = runs(main, playerNotes, ask)},
        {.name = QStringLiteral("PrintTeamStats"), .caption = MainForm::tr("Team Stats"), .menu = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .order = 10, .needs = forTeam, .handler = runs(main, teamStats, ask)},
    });
    // clang-format on
}

}  // namespace pw
