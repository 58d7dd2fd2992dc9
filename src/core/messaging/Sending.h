// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/messaging/MailRun.h"

#include <QString>

#include <optional>

namespace pw {

// Files a send writes: the message text and the mailer's log in the data folder, as the coach
// may want to look at both after a failure.
QString teamMessageFile(const QString& dataFolder);  // TeamEmail.eml
QString mailLogFile(const QString& dataFolder);      // Blat.log
// The game-result text goes to the program's own temporary folder ("" when there is none).
QString resultsMessageFile();  // Results.eml

// A send ready to run, and the players it could not reach.
struct PreparedMail {
    MailJob job;
    QString notFound;     // players without any address
    QStringList refused;  // address fields left out as no valid e-mail address, one line each
};

// SendMessage, first half: reads the note and the recipients, writes the message file and
// removes the old log. Tells the coach and gives nothing when there is nothing to send with
// (no mail server set, no valid sender address, the note gone, nobody with a valid address).
std::optional<PreparedMail> prepareTeamMessage(qint16 teamNo, qint32 noteId, const QString& dataFolder,
                                               const MailServer& server);
// SendMessage, second half: after a clean run the note's "Date Sent" becomes today; after a
// failed one the coach is offered the log ("Error in Transmission"). Then the addresses left out
// as invalid and the players without an address are named ("Email not Sent").
void finishTeamMessage(qint16 teamNo, qint32 noteId, bool clean, const PreparedMail& mail);

// SendResults, first half: lays out the result mail and writes its file. Gives nothing (after
// telling the coach) when the team has no valid address for results or for its coach, or no
// server.
std::optional<PreparedMail> prepareResultMail(qint16 teamNo, qint16 gameNo, const QString& score,
                                              const QString& dataFolder, const MailServer& server);
// SendResults, after the run: a failure offers the log as for a team message.
void finishResultMail(bool clean, const PreparedMail& mail);

}  // namespace pw
