#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "ui/base/Commands.h"

namespace pw {

namespace {

// Menu bar, sub-menus and pop-ups. Orders leave room for later items.
void registerMenus(CommandTable& t)
{
    for (const MenuDef& m : QList<MenuDef>{
             {.path = QStringLiteral("mnuFile"), .caption = MainForm::tr("&File"), .order = 10},
             {.path = QStringLiteral("mnuTeam"), .caption = MainForm::tr("&Team"), .order = 20},
             {.path = QStringLiteral("mnuTeam/mnuTournament"), .caption = MainForm::tr("T&ournament"), .order = 30},
             {.path = QStringLiteral("mnuView"), .caption = MainForm::tr("&View"), .order = 30},
             {.path = QStringLiteral("mnuView/FilePreviewMenu"),
             .caption = MainForm::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"),
             .caption = MainForm::tr("&Roster"),
             .order = 20},
             {.path = QStringLiteral("mnuView/FilePrintMenu"), .caption = MainForm::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"),
             .caption = MainForm::tr("&Roster"),
             .order = 20},
             {.path = QStringLiteral("mnuGame"), .caption = MainForm::tr("&Game"), .order = 40},
             {.path = QStringLiteral("mnuGame/GamePreviewMenu"),
             .caption = MainForm::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuGame/GamePrintMenu"), .caption = MainForm::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuPlayer"), .caption = MainForm::tr("&Player"), .order = 50},
             {.path = QStringLiteral("mnuPlayer/PlayerPreviewMenu"),
             .caption = MainForm::tr("Print Pre&view"),
             .order = 30,
             .separatorBefore = true},
             {.path = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .caption = MainForm::tr("&Print"), .order = 40},
             {.path = QStringLiteral("mnuTools"), .caption = MainForm::tr("T&ools"), .order = 60},
             {.path = QStringLiteral("mnuHelp"), .caption = MainForm::tr("&Help"), .order = 70},
             {.path = QStringLiteral("GridMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeTeamMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .caption = MainForm::tr("Print"), .order = 50},
             {.path = QStringLiteral("TreeTournyMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("TreeGameMnu"), .popup = true, .keyedItems = true},
             {.path = QStringLiteral("PrintMenu"), .popup = true},
         })
        t.addMenu(m);
}

}  // namespace

void registerAppCommands(CommandTable& t, MainForm& main)
{
    registerMenus(t);
    auto standings = [&main] { main.mDataStandings_Click(); };
    auto options = [&main] { main.ToolsCfg_Click(); };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FileExit"), .caption = MainForm::tr("E&xit"), .menu = QStringLiteral("mnuFile"),
         .order = 90, .handler = [&main] { main.close(); }, .separatorBefore = true,
         .shortcut = QKeySequence(QKeySequence::Quit)},
        {.name = QStringLiteral("mDataStandings"), .caption = MainForm::tr("&Standings"),
         .menu = QStringLiteral("mnuView"), .order = 20, .needs = Need::WebSite, .handler = standings},
        {.name = QStringLiteral("TeamStandings"), .caption = MainForm::tr("Team Standings (Web-Site)"),
         .menu = kToolbar, .order = 60, .needs = Need::WebSite, .handler = standings},
        {.name = QStringLiteral("ToolsCfg"), .caption = MainForm::tr("&Configuration"),
         .menu = QStringLiteral("mnuTools"), .order = 10, .handler = options,
         .shortcut = QKeySequence(QKeySequence::Preferences)},
        {.name = QStringLiteral("GblConfiguration"), .caption = MainForm::tr("Applications Options"),
         .menu = kToolbar, .order = 100, .handler = options, .separatorBefore = true},
        {.name = QStringLiteral("Print"), .caption = MainForm::tr("Print"), .menu = kToolbar, .order = 110,
         .dropDown = QStringLiteral("PrintMenu")},
        {.name = QStringLiteral("HelpMain"), .caption = MainForm::tr("&Contents..."), .menu = QStringLiteral("mnuHelp"),
         .order = 10, .handler = [&main] { main.showHelp(1); },
         .shortcut = QKeySequence(QKeySequence::HelpContents)},
        {.name = QStringLiteral("HelpIndex"), .caption = MainForm::tr("&Index"), .menu = QStringLiteral("mnuHelp"),
         .order = 20, .handler = [&main] { main.showHelp(2); }},
        {.name = QStringLiteral("HelpSearch"), .caption = MainForm::tr("&Search"), .menu = QStringLiteral("mnuHelp"),
         .order = 30, .handler = [&main] { main.showHelp(3); }},
        {.name = QStringLiteral("HelpAbout"), .caption = MainForm::tr("&About"), .menu = QStringLiteral("mnuHelp"),
         .order = 40, .handler = [&main] { main.HelpAbout_Click(); }, .separatorBefore = true},
    });
    // clang-format on
}

void registerAllCommands(CommandTable& t, MainForm& main)
{
    registerAppCommands(t, main);
    registerUpdateCommands(t, main);
    registerTeamCommands(t, main);
    registerScheduleCommands(t, main);
    registerGameCommands(t, main);
    registerTournamentCommands(t, main);
    registerPracticeCommands(t, main);
    registerReportCommands(t, main);
    registerMessagingCommands(t, main);
    registerFeeCommands(t, main);
}

}  // namespace pw
