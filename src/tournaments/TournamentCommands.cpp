#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Tournaments and their brackets. Their windows come later; until then the commands stay disabled.
void registerTournamentCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetTournament"), .caption = MainForm::tr("&Add New"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 10, .needs = Need::Tournaments},
        {.name = QStringLiteral("DataModTournament"), .caption = MainForm::tr("&Modify Selected"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 20, .needs = Need::Tournaments},
        {.name = QStringLiteral("DataDelTournament"), .caption = MainForm::tr("&Delete Selected"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 30, .needs = Need::Tournaments},
        {.name = QStringLiteral("TeamTournament"), .caption = MainForm::tr("Tournament Bracket"), .menu = kToolbar, .order = 50, .needs = Need::Tournaments | Need::TournamentSelected},
        {.name = QStringLiteral("AddTourney"), .caption = MainForm::tr("Add New Tournament"), .menu = QStringLiteral("TreeTeamMnu"), .order = 30, .needs = Need::Tournaments},
        {.name = QStringLiteral("Bracket"), .caption = MainForm::tr("Tournament Bracket"), .menu = QStringLiteral("TreeTournyMnu"), .order = 10},
        {.name = QStringLiteral("Add"), .caption = MainForm::tr("Add New Tournament"), .menu = QStringLiteral("TreeTournyMnu"), .order = 20},
        {.name = QStringLiteral("Modify"), .caption = MainForm::tr("Modify Selected"), .menu = QStringLiteral("TreeTournyMnu"), .order = 30},
        {.name = QStringLiteral("Delete"), .caption = MainForm::tr("Delete Selected"), .menu = QStringLiteral("TreeTournyMnu"), .order = 40},
        {.name = QStringLiteral("Bracket"), .caption = MainForm::tr("Tournament Bracket"), .menu = QStringLiteral("TreeGameMnu"), .order = 10},
    });
    // clang-format on
}

}  // namespace pw
