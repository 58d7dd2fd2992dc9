// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messaging/Sending.h"

#include "common/Desktop.h"
#include "common/MailAddress.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/messaging/Notes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace pw {

namespace {

// The translation context of the messaging texts.
struct Messaging {
    Q_DECLARE_TR_FUNCTIONS(Messaging)
};

// Writes the message text whole or not at all; false (after telling the coach) on failure.
bool writeMessageFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const bool ok = makePrivatePath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
                    file.write(text.toUtf8()) >= 0 && file.commit();
    if (!ok) {
        prompter().message(Messaging::tr("Email not Sent"),
                           Messaging::tr("The message could not be written to\n%1\n(%2)")
                               .arg(QDir::toNativeSeparators(path), file.errorString()),
                           Prompter::Icon::Critical);
        return false;
    }
    makePrivateFile(path);
    return true;
}

bool serverIsSet(const MailServer& server)
{
    if (!server.server.isEmpty())
        return true;
    prompter().message(
        Messaging::tr("Email not Sent"),
        Messaging::tr("No e-mail server is set. Enter the outgoing mail server under Tools, Configuration "
                      "and send again."),
        Prompter::Icon::Exclamation);
    return false;
}

bool senderIsSet(const QString& from)
{
    if (!from.isEmpty())
        return true;
    prompter().message(Messaging::tr("Email not Sent"),
                       Messaging::tr("The team has no e-mail address for its first coach, so the mail has no sender. "
                                     "Enter it in the team profile and send again."),
                       Prompter::Icon::Exclamation);
    return false;
}

// The sender goes to the server as MAIL FROM and into the From header: one valid address only.
bool senderIsValid(const QString& from)
{
    const mail::AddressList list = mail::parseAddressList(from);
    if (list.ok() && list.addresses.size() == 1)
        return true;
    const QString why = !list.ok() ? mail::addressFieldProblem(from) : Messaging::tr("it names more than one address");
    prompter().message(
        Messaging::tr("Email not Sent"),
        Messaging::tr("The first coach's e-mail address in the team profile is not a valid e-mail address: %1. "
                      "Correct it there and send again.")
            .arg(why),
        Prompter::Icon::Exclamation);
    return false;
}

// Address fields left out of a send: named, so that the coach can put them right.
void tellRefused(const QStringList& refused)
{
    if (refused.isEmpty())
        return;
    prompter().message(Messaging::tr("Email not Sent"),
                       Messaging::tr("These addresses are not valid e-mail addresses, so nothing was sent to them. "
                                     "Correct them in the player's or the team's profile:\n%1")
                           .arg(refused.join(QLatin1Char('\n'))),
                       Prompter::Icon::Exclamation);
}

// A failed run: the coach may look at the log in the desktop's editor.
void offerLog(const QString& logFile)
{
    const auto answer = prompter().message(Messaging::tr("Error in Transmission"),
                                           Messaging::tr("There was an error sending the this message.\n"
                                                         "Do you want to see the log file?"),
                                           Prompter::Icon::Exclamation, Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes && !desktop().openFile(logFile)) {
        prompter().message(Messaging::tr("Error in Transmission"),
                           Messaging::tr("No program could be started to show the log file:\n%1")
                               .arg(QDir::toNativeSeparators(logFile)),
                           Prompter::Icon::Exclamation);
    }
}

// Each send starts a fresh log, so that an "Error:" in it always belongs to this send.
void clearLog(const QString& logFile)
{
    QFile::remove(logFile);
}

}  // namespace

QString teamMessageFile(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("TeamEmail.eml"));
}

QString mailLogFile(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("Blat.log"));
}

QString resultsMessageFile()
{
    const QString folder = programTempFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("Results.eml"));
}

std::optional<PreparedMail> prepareTeamMessage(qint16 teamNo, qint32 noteId, const QString& dataFolder,
                                               const MailServer& server)
{
    PW_TRACE(QStringLiteral("SendMessage"), traceArg(QStringLiteral("lcNoteID"), noteId));
    const std::optional<TeamNote> note = readTeamNote(teamNo, noteId);
    if (!note) {
        prompter().message(Messaging::tr("Email not Sent"), Messaging::tr("This message is no longer in the list."),
                           Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    if (!serverIsSet(server))
        return std::nullopt;
    const TeamMailInfo team = readTeamMailInfo(teamNo);
    if (!senderIsSet(team.coachEmail) || !senderIsValid(team.coachEmail))
        return std::nullopt;

    PreparedMail mail;
    mail.job.recipients = GetEmailAddress(teamNo, mail.notFound, &mail.refused);
    if (mail.job.recipients.isEmpty()) {
        if (!mail.refused.isEmpty())
            tellRefused(mail.refused);
        else
            prompter().message(
                Messaging::tr("Email not Sent"),
                Messaging::tr("Nobody on this team has an e-mail address, and neither have its coaches."),
                Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    mail.job.bodyFile = teamMessageFile(dataFolder);
    mail.job.logFile = mailLogFile(dataFolder);
    mail.job.subject = note->subject;
    mail.job.from = team.coachEmail;
    if (!writeMessageFile(mail.job.bodyFile, teamMessageBody(note->note)))
        return std::nullopt;
    clearLog(mail.job.logFile);
    return mail;
}

void finishTeamMessage(qint16 teamNo, qint32 noteId, bool clean, const PreparedMail& mail)
{
    if (clean)
        markTeamNoteSent(teamNo, noteId, QDate::currentDate());
    else
        offerLog(mail.job.logFile);
    tellRefused(mail.refused);
    if (!mail.notFound.isEmpty()) {
        prompter().message(Messaging::tr("Email not Sent"),
                           Messaging::tr("The following people do not have E-mail addresses\n%1").arg(mail.notFound),

                           Prompter::Icon::Information);
    }
}

std::optional<PreparedMail> prepareResultMail(qint16 teamNo, qint16 gameNo, const QString& score,
                                              const QString& dataFolder, const MailServer& server)
{
    const GameResultMail result = resultMail(teamNo, gameNo, score);
    if (result.to.isEmpty()) {
        prompter().message(
            Messaging::tr("Email not Sent"),
            Messaging::tr("The team has no address to send game results to. Enter it in the team profile."),
            Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    if (const QString why = mail::addressFieldProblem(result.to); !why.isEmpty()) {
        prompter().message(
            Messaging::tr("Email not Sent"),
            Messaging::tr("The team's address for game results is not a valid e-mail address: %1. Correct it in "
                          "the team profile and send again.")
                .arg(why),
            Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    if (!serverIsSet(server) || !senderIsSet(result.from) || !senderIsValid(result.from))
        return std::nullopt;
    PreparedMail mail;
    mail.job.recipients = {result.to};
    mail.job.copyTo = result.copyTo;
    mail.job.from = result.from;
    mail.job.subject = result.subject;
    mail.job.bodyFile = resultsMessageFile();
    mail.job.logFile = mailLogFile(dataFolder);
    if (mail.job.bodyFile.isEmpty()) {
        prompter().message(Messaging::tr("Email not Sent"),
                           Messaging::tr("Pitchwise found no temporary folder of yours to write the message in."),
                           Prompter::Icon::Critical);
        return std::nullopt;
    }
    if (!writeMessageFile(mail.job.bodyFile, result.body))
        return std::nullopt;
    clearLog(mail.job.logFile);
    return mail;
}

void finishResultMail(bool clean, const PreparedMail& mail)
{
    if (!clean)
        offerLog(mail.job.logFile);
}

}  // namespace pw
