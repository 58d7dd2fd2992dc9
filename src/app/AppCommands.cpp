// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Commands.h"
#include "ui/base/RestoreWindow.h"
#include "ui/base/Shell.h"

namespace pw {

namespace {

// Menu bar, sub-menus and pop-ups. Orders leave room for later items.
void registerMenus(CommandTable& t)
{
    for (const MenuDef& m : QList<MenuDef>{
             {.path = QStringLiteral("mnuFile"), .caption = Shell::tr("&File"), .order = 10},
             {.path = QStringLiteral("mnuFile/mnuExport"),
             .caption = Shell::tr("&Export"),
             .order = 50,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuTeam"), .caption = Shell::tr("&Team"), .order = 20},
             {.path = QStringLiteral("mnuTeam/mnuTournament"), .caption = Shell::tr("T&ournament"), .order = 30},
             {.path = QStringLiteral("mnuView"), .caption = Shell::tr("&View"), .order = 30},
             {.path = QStringLiteral("mnuView/FilePreviewMenu"),
             .caption = Shell::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"),
             .caption = Shell::tr("&Roster"),
             .order = 20},
             {.path = QStringLiteral("mnuView/FilePrintMenu"), .caption = Shell::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"),
             .caption = Shell::tr("&Roster"),
             .order = 20},
             {.path = QStringLiteral("mnuGame"), .caption = Shell::tr("&Game"), .order = 40},
             {.path = QStringLiteral("mnuGame/GamePreviewMenu"),
             .caption = Shell::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuGame/GamePrintMenu"), .caption = Shell::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuPlayer"), .caption = Shell::tr("&Player"), .order = 50},
             {.path = QStringLiteral("mnuPlayer/PlayerPreviewMenu"),
             .caption = Shell::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .caption = Shell::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuTools"), .caption = Shell::tr("T&ools"), .order = 60},
             {.path = QStringLiteral("mnuHelp"), .caption = Shell::tr("&Help"), .order = 70},
             {.path = QStringLiteral("GridMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeTeamMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .caption = Shell::tr("Print"), .order = 50},
             {.path = QStringLiteral("TreeTournyMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeGameMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("PrintMenu"), .popup = true},
         })
        t.addMenu(m);
}

}  // namespace

void registerAppCommands(CommandTable& t, Shell& shell)
{
    registerMenus(t);
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FileExit"), .caption = Shell::tr("E&xit"), .tip = Shell::tr("Close the program and every window it opened"),
         .handler = [&shell] { shell.quit(); }, .shortcut = QKeySequence(QKeySequence::Quit),
         .placements = {{.menu = QStringLiteral("mnuFile"), .order = 90, .separatorBefore = true}}},
        {.name = QStringLiteral("FileBackUp"), .caption = Shell::tr("&Back Up Now…"), .tip = Shell::tr("Write a copy of the database to a file you pick"),
         .handler = [] { backUpNow(); }, .placements = {{.menu = QStringLiteral("mnuFile"), .order = 60, .separatorBefore = true}}},
        {.name = QStringLiteral("FileRestore"), .caption = Shell::tr("&Restore…"), .tip = Shell::tr("Put a backup in the place of the database"),
         .handler = [&shell] { openRestoreWindow(shell.parentWindow()); }, .placements = {{.menu = QStringLiteral("mnuFile"), .order = 70}}},
        {.name = QStringLiteral("mDataStandings"), .caption = Shell::tr("&Standings"), .tip = Shell::tr("Open the league standings on the team's web site"),
         .icon = QStringLiteral("TeamStandings"), .needs = Need::WebSite, .handler = [&shell] { shell.openStandings(); },
         .placements = {{.menu = QStringLiteral("mnuView"), .order = 20},
                        {.menu = kToolbar, .order = 60, .name = QStringLiteral("TeamStandings"), .caption = Shell::tr("Team Standings (Web-Site)")}}},
        {.name = QStringLiteral("ToolsCfg"), .caption = Shell::tr("&Configuration"), .tip = Shell::tr("Change the program's options, which hold for every team"),
         .icon = QStringLiteral("GblConfiguration"), .handler = [&shell] { shell.openOptions(); },
         .shortcut = QKeySequence(QKeySequence::Preferences),
         .placements = {{.menu = QStringLiteral("mnuTools"), .order = 10},
                        {.menu = kToolbar, .order = 100, .separatorBefore = true, .name = QStringLiteral("GblConfiguration"), .caption = Shell::tr("Applications Options")}}},
        {.name = QStringLiteral("Print"), .caption = Shell::tr("Print"), .tip = Shell::tr("Print or preview a report of the team, the game or the player"),
         .icon = QStringLiteral("Print"), .dropDown = QStringLiteral("PrintMenu"),
         .placements = {{.menu = kToolbar, .order = 110}}},
        {.name = QStringLiteral("HelpMain"), .caption = Shell::tr("&Contents..."), .tip = Shell::tr("Open the help at its table of contents"),
         .handler = [&shell] { shell.showHelp(1); }, .shortcut = QKeySequence(QKeySequence::HelpContents),
         .placements = {{.menu = QStringLiteral("mnuHelp"), .order = 10}}},
        {.name = QStringLiteral("HelpIndex"), .caption = Shell::tr("&Index"), .tip = Shell::tr("Open the help at its index of topics"),
         .handler = [&shell] { shell.showHelp(2); }, .placements = {{.menu = QStringLiteral("mnuHelp"), .order = 20}}},
        {.name = QStringLiteral("HelpSearch"), .caption = Shell::tr("&Search"), .tip = Shell::tr("Look for a word in the help"),
         .handler = [&shell] { shell.showHelp(3); }, .placements = {{.menu = QStringLiteral("mnuHelp"), .order = 30}}},
        {.name = QStringLiteral("HelpAbout"), .caption = Shell::tr("&About"), .tip = Shell::tr("Show the program's version and where it comes from"),
         .handler = [&shell] { shell.openAbout(); },
         .placements = {{.menu = QStringLiteral("mnuHelp"), .order = 40, .separatorBefore = true}}},
    });
    // clang-format on
}

void registerAllCommands(CommandTable& t, Shell& shell)
{
    registerAppCommands(t, shell);
    registerUpdateCommands(t, shell);
    registerTeamCommands(t, shell);
    registerScheduleCommands(t, shell);
    registerGameCommands(t, shell);
    registerTournamentCommands(t, shell);
    registerPracticeCommands(t, shell);
    registerReportCommands(t, shell);
    registerMessagingCommands(t, shell);
    registerFeeCommands(t, shell);
}

}  // namespace pw
