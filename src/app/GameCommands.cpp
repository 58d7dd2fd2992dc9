// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "data/Fields.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/games/GameSetup.h"
#include "ui/games/StatDialog.h"
#include "ui/games/frmCaptain.h"

namespace pw {

// Line-ups, statistics, playing time and captains. Windows still to come leave their commands
// disabled.
void registerGameCommands(CommandTable& t, Shell& shell)
{
    const auto stats = [&shell] {
        const Selection& s = selection();
        StatDialog::enterStats(s.CurrentTeamNo(), s.CurrentGameNo(), s.CurrentOpponentNo(), s.CurrentPlayerNo(),
                               state().NameOpt, shell.parentWindow());
    };
    const auto captains = [&shell](const char* procName) {
        return [&shell, procName] {
            guarded(QString::fromLatin1(procName), {},
                    [&] { frmCaptain::showCaptains(selection().CurrentTeamNo(), shell.parentWindow()); });
        };
    };
    // The board opens on the selected game and keeps to it, whatever is selected later.
    const auto lineup = [&shell](const char* procName, bool checkPlayers) {
        return [&shell, procName, checkPlayers] {
            guarded(QString::fromLatin1(procName), {}, [&] {
                const Selection& s = selection();
                if (!isSingleGame(s.CurrentGameNo())) {
                    prompter().message(Shell::tr("No Game Chosen"),
                                       Shell::tr("Select the game that you want to setup."), Prompter::Icon::Critical);
                    return;
                }
                if (checkPlayers && PlayerCount(s.CurrentTeamNo()) == 0) {
                    prompter().message(Shell::tr("No Players"), Shell::tr("There are no players to line up."),
                                       Prompter::Icon::Critical);
                    return;
                }
                const TeamSettings& team = s.Team();
                LineupGame game{.teamNo = s.CurrentTeamNo(),
                                .gameNo = s.CurrentGameNo(),
                                .tournamentNo = s.CurrentTournamentNo(),
                                .opponentNo = s.CurrentOpponentNo(),
                                // A team saved without them plays the full game: four periods, eleven places.
                                .periods = team.Periods > 0 ? int(team.Periods) : 4,
                                .places = team.NumberOfPlayers > 0 ? int(team.NumberOfPlayers) : 11,
                                .trackCaptain = team.TrackCaptain == 1,
                                .nameOption = state().NameOpt,
                                .minPeriods = team.MinQtrReq};
                GameSetup::openBoard(game, shell.currentGameNodeText(), shell.parentWindow());
            });
        };
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mTeamCaptain"), .caption = Shell::tr("&Captains"), .tip = Shell::tr("Show who has captained the team in each game"), .needs = Need::Team, .handler = captains("mTeamCaptain_Click"),
         .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 70}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 70, .name = QStringLiteral("ViewCaptains"), .caption = Shell::tr("View Captains")}}},
        {.name = QStringLiteral("DataSetupGame"), .caption = Shell::tr("Game &Lineup"), .tip = Shell::tr("View or change the line-up of the selected game"), .icon = QStringLiteral("GameLineUp"), .needs = Need::Game, .handler = lineup("DataSetupGame_Click", false),
         .placements = {{.menu = QStringLiteral("mnuGame"), .order = 10}, {.menu = kToolbar, .order = 70, .separatorBefore = true, .name = QStringLiteral("GameLineUp"), .caption = Shell::tr("View/Modify Line-up for Selected Game")}}},
        {.name = QStringLiteral("DataUpdatePlayer"), .caption = Shell::tr("&Update Player Stats"), .tip = Shell::tr("Enter the selected player's statistics for the selected game"), .needs = Need::Game | Need::Player, .handler = stats,
         .placements = {{.menu = QStringLiteral("mnuPlayer"), .order = 20}, {.menu = QStringLiteral("GridMnu"), .order = 10, .name = QStringLiteral("GrdUpdatePlayer")}}},
        // Needs no player, unlike Update Player Stats: the window then opens on the first by jersey.
        {.name = QStringLiteral("GameStats"), .caption = Shell::tr("Enter Game Statistics"), .tip = Shell::tr("Enter the statistics of the selected game, one player at a time"), .icon = QStringLiteral("GameStats"), .needs = Need::Game, .handler = stats,
         .placements = {{.menu = kToolbar, .order = 90}}},
        // Only the tree's game pop-up shows it; it checks first that the team has players.
        {.name = QStringLiteral("GameLineup"), .caption = Shell::tr("Game Lineup"), .tip = Shell::tr("Open this game's line-up board, once the team has players"), .handler = lineup("GameLineup_Click", true),
         .placements = {{.menu = QStringLiteral("TreeGameMnu"), .order = 20}}},
        {.name = QStringLiteral("SetNotPlayed"), .caption = Shell::tr("Set as Not Yet Played"), .tip = Shell::tr("Clear the game's result so that it counts as still to be played"),
         .placements = {{.menu = QStringLiteral("TreeGameMnu"), .order = 50}}},
    });
    // clang-format on
}

}  // namespace pw
