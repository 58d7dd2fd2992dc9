#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Printed reports and their previews. The print layer comes later; until then the commands stay disabled.
void registerReportCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FilePreviewTeam"), .caption = MainForm::tr("&Team Stats"), .menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 10},
        {.name = QStringLiteral("FilePreviewRosterOfficial"), .caption = MainForm::tr("&Official Format"), .menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 10},
        {.name = QStringLiteral("FilePreviewRosterHandout"), .caption = MainForm::tr("&Handout Format"), .menu = QStringLiteral("mnuView/FilePreviewMenu/FilePreviewRosterMenu"), .order = 20},
        {.name = QStringLiteral("FilePreviewSchedule"), .caption = MainForm::tr("&Schedule"), .menu = QStringLiteral("mnuView/FilePreviewMenu"), .order = 30},
        {.name = QStringLiteral("FilePrintTeam"), .caption = MainForm::tr("&Team Stats"), .menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 10},
        {.name = QStringLiteral("FilePrintRosterOfficial"), .caption = MainForm::tr("&Official Format"), .menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 10},
        {.name = QStringLiteral("FilePrintRosterHandout"), .caption = MainForm::tr("&Handout Format"), .menu = QStringLiteral("mnuView/FilePrintMenu/FilePrintRosterMenu"), .order = 20},
        {.name = QStringLiteral("FilePrintSchedule"), .caption = MainForm::tr("&Schedule"), .menu = QStringLiteral("mnuView/FilePrintMenu"), .order = 30},
        {.name = QStringLiteral("FilePreviewSheet"), .caption = MainForm::tr("&Stat Sheet"), .menu = QStringLiteral("mnuGame/GamePreviewMenu"), .order = 10, .needs = Need::Game},
        {.name = QStringLiteral("FilePrintSheet"), .caption = MainForm::tr("&Stat Sheet"), .menu = QStringLiteral("mnuGame/GamePrintMenu"), .order = 10, .needs = Need::Game},
        {.name = QStringLiteral("FilePreviewPlayer"), .caption = MainForm::tr("Player &Stats"), .menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 10, .needs = Need::Player},
        {.name = QStringLiteral("FilePreviewNotes"), .caption = MainForm::tr("Player &Notes"), .menu = QStringLiteral("mnuPlayer/PlayerPreviewMenu"), .order = 20, .needs = Need::Player},
        {.name = QStringLiteral("FilePrintPlayer"), .caption = MainForm::tr("Player &Stats"), .menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 10, .needs = Need::Player},
        {.name = QStringLiteral("FilePrintNotes"), .caption = MainForm::tr("Player &Notes"), .menu = QStringLiteral("mnuPlayer/PlayerPrintMenu"), .order = 20, .needs = Need::Player},
        {.name = QStringLiteral("TeamPrintStat"), .caption = MainForm::tr("Team Statistics"), .menu = QStringLiteral("PrintMenu"), .order = 10},
        {.name = QStringLiteral("TeamPrintRoster"), .caption = MainForm::tr("Roster"), .menu = QStringLiteral("PrintMenu"), .order = 20},
        {.name = QStringLiteral("TeamPrintSchedule"), .caption = MainForm::tr("Schedule"), .menu = QStringLiteral("PrintMenu"), .order = 30},
        {.name = QStringLiteral("GamePrintStatSheet"), .caption = MainForm::tr("Blank Stat Sheet"), .menu = QStringLiteral("PrintMenu"), .order = 40, .needs = Need::Game},
        {.name = QStringLiteral("PlayerPrintStats"), .caption = MainForm::tr("Player Statistics"), .menu = QStringLiteral("PrintMenu"), .order = 50, .needs = Need::Player},
        {.name = QStringLiteral("PlayerPrintNotes"), .caption = MainForm::tr("Player Notes"), .menu = QStringLiteral("PrintMenu"), .order = 60, .needs = Need::Player},
        {.name = QStringLiteral("PrintTeamStats"), .caption = MainForm::tr("Team Stats"), .menu = QStringLiteral("TreeTeamMnu/TreeTeamPrint"), .order = 10},
    });
    // clang-format on
}

}  // namespace pw
