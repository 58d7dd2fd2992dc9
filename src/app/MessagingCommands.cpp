#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "app/MainForm.h"
#include "common/AppState.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/messaging/GameNotes.h"
#include "ui/base/Commands.h"
#include "ui/messaging/MailWindows.h"
#include "ui/messaging/NoteWindows.h"

namespace pw {

// Notes and e-mail: the team's notes and messages, a game's result mail, a game's notes file.
void registerMessagingCommands(CommandTable& t, MainForm& main)
{
    const auto gameNotes = [] {
        guarded(QStringLiteral("mGameNotes_Click"), {},
                [] { OpenGameNotes(state().DataFolder, selection().CurrentTeamNo(), selection().CurrentGameNo()); });
    };
    const auto sendResults = [&main] {
        guarded(QStringLiteral("SendResults"), {}, [&] {
            const Selection& s = selection();
            SendResults(s.CurrentTeamNo(), s.CurrentGameNo(), main.GetRecord(s.CurrentGameNo()), &main);
        });
    };
    const auto messages = [&main] {
        guarded(QStringLiteral("GblMessages_Click"), {}, [&] {
            Modal<frmNoteList> window(selection().CurrentTeamNo(), &main);
            window.exec();
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mGameNotes"), .caption = MainForm::tr("Game &Notes"), .menu = QStringLiteral("mnuGame"), .order = 20, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("mGameSendResults"), .caption = MainForm::tr("Send &Results"), .menu = QStringLiteral("mnuGame"), .order = 50, .needs = Need::Result, .handler = sendResults, .separatorBefore = true},
        {.name = QStringLiteral("GameNotes"), .caption = MainForm::tr("Notes for Selected Game"), .menu = kToolbar, .order = 80, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("GblMessages"), .caption = MainForm::tr("Send Email to entire team"), .menu = kToolbar, .order = 120, .needs = Need::Team, .handler = messages},
        {.name = QStringLiteral("GameNotes"), .caption = MainForm::tr("Game Notes"), .menu = QStringLiteral("TreeGameMnu"), .order = 30, .needs = Need::Game, .handler = gameNotes},
        {.name = QStringLiteral("GameSendResults"), .caption = MainForm::tr("Send Game Results"), .menu = QStringLiteral("TreeGameMnu"), .order = 40, .needs = Need::Result, .handler = sendResults},
    });
    // clang-format on
}

}  // namespace pw
