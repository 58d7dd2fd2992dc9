#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"
#include "common/AppState.h"
#include "common/Selection.h"
#include "games/StatDialog.h"

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
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mTeamCaptain"), .caption = MainForm::tr("&Captains"), .menu = QStringLiteral("mnuTeam"), .order = 70},
        {.name = QStringLiteral("DataSetupGame"), .caption = MainForm::tr("Game &Lineup"), .menu = QStringLiteral("mnuGame"), .order = 10, .needs = Need::Game},
        {.name = QStringLiteral("DataUpdatePlayer"), .caption = MainForm::tr("&Update Player Stats"), .menu = QStringLiteral("mnuPlayer"), .order = 20, .needs = Need::Game | Need::Player, .handler = stats},
        {.name = QStringLiteral("GameLineUp"), .caption = MainForm::tr("View/Modify Line-up for Selected Game"), .menu = kToolbar, .order = 70, .needs = Need::Game, .separatorBefore = true},
        {.name = QStringLiteral("GameStats"), .caption = MainForm::tr("Enter Game Statistics"), .menu = kToolbar, .order = 90, .needs = Need::Game, .handler = stats},
        {.name = QStringLiteral("GrdUpdatePlayer"), .caption = MainForm::tr("Update Player Stats"), .menu = QStringLiteral("GridMnu"), .order = 10, .needs = Need::Game | Need::Player, .handler = stats},
        {.name = QStringLiteral("ViewCaptains"), .caption = MainForm::tr("View Captains"), .menu = QStringLiteral("TreeTeamMnu"), .order = 70},
        {.name = QStringLiteral("GameLineup"), .caption = MainForm::tr("Game Lineup"), .menu = QStringLiteral("TreeGameMnu"), .order = 20},
        {.name = QStringLiteral("SetNotPlayed"), .caption = MainForm::tr("Set as Not Yet Played"), .menu = QStringLiteral("TreeGameMnu"), .order = 50},
    });
    // clang-format on
}

}  // namespace pw
