#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"
#include "common/AppState.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "messaging/GameNotes.h"

namespace pw {

// Notes and e-mail. The game's notes file opens now; the notes window and e-mail come later,
// and their commands stay disabled until then.
void registerMessagingCommands(CommandTable& t, MainForm& /*main*/)
{
    const auto gameNotes = [] {
        guarded(QStringLiteral("mGameNotes_Click"), {}, [] {
            OpenGameNotes(state().DataFolder, selection().CurrentTeamNo(), selection().CurrentGameNo());
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mGameNotes"), .caption = MainForm::tr("Game &Notes"), .menu = QStringLiteral("mnuGame"), .order = 20, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("mGameSendResults"), .caption = MainForm::tr("Send &Results"), .menu = QStringLiteral("mnuGame"), .order = 50, .needs = Need::Result, .separatorBefore = true},
        {.name = QStringLiteral("GameNotes"), .caption = MainForm::tr("Notes for Selected Game"), .menu = kToolbar, .order = 80, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("GblMessages"), .caption = MainForm::tr("Send Email to entire team"), .menu = kToolbar, .order = 120},
        {.name = QStringLiteral("GameNotes"), .caption = MainForm::tr("Game Notes"), .menu = QStringLiteral("TreeGameMnu"), .order = 30, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("GameSendResults"), .caption = MainForm::tr("Send Game Results"), .menu = QStringLiteral("TreeGameMnu"), .order = 40, .needs = Need::Result},
    });
    // clang-format on
}

}  // namespace pw
