#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Team profile, players and opponents. Their windows come later; until then the commands stay disabled.
void registerTeamCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetOpponents"), .caption = MainForm::tr("&Opponent List"), .menu = QStringLiteral("mnuTeam"), .order = 10},
        {.name = QStringLiteral("DataEditTeam"), .caption = MainForm::tr("Team &Information"), .menu = QStringLiteral("mnuTeam"), .order = 60, .separatorBefore = true},
        {.name = QStringLiteral("mTeamRoster"), .caption = MainForm::tr("&Roster"), .menu = QStringLiteral("mnuView"), .order = 10},
        {.name = QStringLiteral("PlayerRoster"), .caption = MainForm::tr("&Roster"), .menu = QStringLiteral("mnuPlayer"), .order = 10},
        {.name = QStringLiteral("GblTeam"), .caption = MainForm::tr("Team Setup"), .menu = kToolbar, .order = 10},
        {.name = QStringLiteral("TeamRoster"), .caption = MainForm::tr("Team Roster"), .menu = kToolbar, .order = 20},
        {.name = QStringLiteral("TeamOpponent"), .caption = MainForm::tr("Opponents"), .menu = kToolbar, .order = 30},
        {.name = QStringLiteral("Opponents"), .caption = MainForm::tr("Opponents List"), .menu = QStringLiteral("TreeTeamMnu"), .order = 10},
        {.name = QStringLiteral("TeamInfo"), .caption = MainForm::tr("Team Information"), .menu = QStringLiteral("TreeTeamMnu"), .order = 40},
        {.name = QStringLiteral("ViewRoster"), .caption = MainForm::tr("View Roster"), .menu = QStringLiteral("TreeTeamMnu"), .order = 60},
    });
    // clang-format on
}

}  // namespace pw
