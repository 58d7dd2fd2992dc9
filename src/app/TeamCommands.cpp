#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/TeamInfo.h"
#include "ui/teams/dlgRoster.h"
#include "ui/teams/frmOpponent.h"

namespace pw {

namespace {

// Opens a window of this subsystem modally over the main window, its failures reported under the
// command's name.
template <typename Window> std::function<void()> opens(MainForm& main, const char* procName)
{
    return [&main, procName] {
        guarded(QString::fromLatin1(procName), {}, [&] {
            Modal<Window> window(selection().CurrentTeamNo(), &main);
            window.exec();
        });
    };
}

}  // namespace

// Team profile, players and opponents.
void registerTeamCommands(CommandTable& t, MainForm& main)
{
    // The profile works without a team too: it is where the first one is added.
    const auto teamProfile = opens<TeamInfo>(main, "DataEditTeam_Click");
    const auto opponents = opens<frmOpponent>(main, "DataSetOpponents_Click");
    const auto players = opens<PlayerInfo>(main, "PlayerRoster_Click");
    const auto roster = opens<dlgRoster>(main, "mTeamRoster_Click");
    const Needs team = Need::Team;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetOpponents"), .caption = MainForm::tr("&Opponent List"), .menu = QStringLiteral("mnuTeam"), .order = 10, .needs = team, .handler = opponents},
        {.name = QStringLiteral("DataEditTeam"), .caption = MainForm::tr("Team &Information"), .menu = QStringLiteral("mnuTeam"), .order = 60, .handler = teamProfile, .separatorBefore = true},
        {.name = QStringLiteral("mTeamRoster"), .caption = MainForm::tr("&Roster"), .menu = QStringLiteral("mnuView"), .order = 10, .needs = team, .handler = roster},
        {.name = QStringLiteral("PlayerRoster"), .caption = MainForm::tr("&Roster"), .menu = QStringLiteral("mnuPlayer"), .order = 10, .needs = team, .handler = players},
        {.name = QStringLiteral("GblTeam"), .caption = MainForm::tr("Team Setup"), .menu = kToolbar, .order = 10, .handler = teamProfile},
        {.name = QStringLiteral("TeamRoster"), .caption = MainForm::tr("Team Roster"), .menu = kToolbar, .order = 20, .needs = team, .handler = players},
        {.name = QStringLiteral("TeamOpponent"), .caption = MainForm::tr("Opponents"), .menu = kToolbar, .order = 30, .needs = team, .handler = opponents},
        {.name = QStringLiteral("Opponents"), .caption = MainForm::tr("Opponents List"), .menu = QStringLiteral("TreeTeamMnu"), .order = 10, .needs = team, .handler = opponents},
        {.name = QStringLiteral("TeamInfo"), .caption = MainForm::tr("Team Information"), .menu = QStringLiteral("TreeTeamMnu"), .order = 40, .handler = teamProfile},
        {.name = QStringLiteral("ViewRoster"), .caption = MainForm::tr("View Roster"), .menu = QStringLiteral("TreeTeamMnu"), .order = 60, .needs = team, .handler = roster},
    });
    // clang-format on
}

}  // namespace pw
