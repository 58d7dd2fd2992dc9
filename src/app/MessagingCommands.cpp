// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "common/AppState.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/messaging/GameNotes.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/messaging/MailWindows.h"
#include "ui/messaging/NoteWindows.h"

namespace pw {

// Notes and e-mail: the team's notes and messages, a game's result mail, a game's notes file.
void registerMessagingCommands(CommandTable& t, Shell& shell)
{
    const auto gameNotes = [] {
        guarded(QStringLiteral("mGameNotes_Click"), {},
                [] { OpenGameNotes(state().DataFolder, selection().CurrentTeamNo(), selection().CurrentGameNo()); });
    };
    const auto sendResults = [&shell] {
        guarded(QStringLiteral("SendResults"), {}, [&] {
            const Selection& s = selection();
            SendResults(s.CurrentTeamNo(), s.CurrentGameNo(), shell.recordText(s.CurrentGameNo()),
                        shell.parentWindow());
        });
    };
    const auto messages = [&shell] {
        guarded(QStringLiteral("GblMessages_Click"), {}, [&] {
            Modal<frmNoteList> window(selection().CurrentTeamNo(), shell.parentWindow());
            window.exec();
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("mGameNotes"), .caption = Shell::tr("Game &Notes"), .tip = Shell::tr("Open the notes file of the selected game"), .icon = QStringLiteral("GameNotes"), .needs = Need::Game, .handler = gameNotes,
         .placements = {{.menu = QStringLiteral("mnuGame"), .order = 20}, {.menu = kToolbar, .order = 80, .name = QStringLiteral("GameNotes"), .caption = Shell::tr("Notes for Selected Game")}, {.menu = QStringLiteral("TreeGameMnu"), .order = 30, .name = QStringLiteral("GameNotes")}}},
        {.name = QStringLiteral("mGameSendResults"), .caption = Shell::tr("Send &Results"), .tip = Shell::tr("E-mail the selected game's result to the league, with a copy to you"), .needs = Need::Result, .handler = sendResults,
         .placements = {{.menu = QStringLiteral("mnuGame"), .order = 50, .separatorBefore = true}, {.menu = QStringLiteral("TreeGameMnu"), .order = 40, .name = QStringLiteral("GameSendResults"), .caption = Shell::tr("Send Game Results")}}},
        {.name = QStringLiteral("GblMessages"), .caption = Shell::tr("Send Email to entire team"), .tip = Shell::tr("Keep the team's notes and messages, and mail one to every family"), .icon = QStringLiteral("GblMessages"), .needs = Need::Team, .handler = messages,
         .placements = {{.menu = kToolbar, .order = 120}}},
    });
    // clang-format on
}

}  // namespace pw
