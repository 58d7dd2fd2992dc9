#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "data/Fields.h"
#include "ui/base/Commands.h"
#include "ui/games/GameSetup.h"
#include "ui/games/StatDialog.h"
#include "ui/games/frmCaptain.h"

namespace pw {

// Line-ups, statistics, playing time and captains. Windows still to come leave their commands
// disabled.
void registerGameCommands(CommandTable& t, MainForm& main)
{
    const auto stats = [&main] {
        const Selection& s = selection();
        StatDialog::enterStats(s.CurrentTeamNo(), s.CurrentGameNo(), s.CurrentOpponentNo(), s.CurrentPlayerNo(),
                               state().NameOpt, &main);
    };
    const auto captains = [&main](const char* procName) {
        return [&main, procName] {
            guarded(QString::fromLatin1(procName), {},
                    [&] { frmCaptain::showCaptains(selection().CurrentTeamNo(), &main); });
        };
    };
    // The board opens on the selected game and keeps to it, whatever is selected later.
    const auto lineup = [&main](const char* procName, bool checkPlayers) {
        return [&main, procName, checkPlayers] {
            guarded(QString::fromLatin1(procName), {}, [&] {
                const Selection& s = selection();
                if (!isSingleGame(s.CurrentGameNo())) {
                    prompter().message(MainForm::tr("No Game Chosen"),
                                       MainForm::tr("Select the game that you want to setup."),
                                       Prompter::Icon::Critical);
                    return;
                }
                if (checkPlayers && PlayerCount(s.CurrentTeamNo()) == 0) {
                    prompter().message(MainForm::tr("No Players"), MainForm::tr("There are no players to line up."),
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
                                .nameOption = state().NameOpt};
                GameSetup::openBoard(game, main.currentGameNodeText(), &main);
            });
        };
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mTeamCaptain"), .caption = MainForm::tr("&Captains"), .menu = QStringLiteral("mnuTeam"), .order = 70, .needs = Need::Team, .handler = captains("mTeamCaptain_Click")},
        {.name = QStringLiteral("DataSetupGame"), .caption = MainForm::tr("Game &Lineup"), .menu = QStringLiteral("mnuGame"), .order = 10, .needs = Need::Game, .handler = lineup("DataSetupGame_Click", false)},
        {.name = QStringLiteral("DataUpdatePlayer"), .caption = MainForm::tr("&Update Player Stats"), .menu = QStringLiteral("mnuPlayer"), .order = 20, .needs = Need::Game | Need::Player, .handler = stats},
        {.name = QStringLiteral("GameLineUp"), .caption = MainForm::tr("View/Modify Line-up for Selected Game"), .menu = kToolbar, .order = 70, .needs = Need::Game, .handler = lineup("GameLineUp_Click", false), .separatorBefore = true},
        {.name = QStringLiteral("GameStats"), .caption = MainForm::tr("Enter Game Statistics"), .menu = kToolbar, .order = 90, .needs = Need::Game, .handler = stats},
        {.name = QStringLiteral("GrdUpdatePlayer"), .caption = MainForm::tr("Update Player Stats"), .menu = QStringLiteral("GridMnu"), .order = 10, .needs = Need::Game | Need::Player, .handler = stats},
        {.name = QStringLiteral("ViewCaptains"), .caption = MainForm::tr("View Captains"), .menu = QStringLiteral("TreeTeamMnu"), .order = 70, .needs = Need::Team, .handler = captains("ViewCaptains_Click")},
        {.name = QStringLiteral("GameLineup"), .caption = MainForm::tr("Game Lineup"), .menu = QStringLiteral("TreeGameMnu"), .order = 20, .handler = lineup("GameLineup_Click", true)},
        {.name = QStringLiteral("SetNotPlayed"), .caption = MainForm::tr("Set as Not Yet Played"), .menu = QStringLiteral("TreeGameMnu"), .order = 50},
    });
    // clang-format on
}

}  // namespace pw
