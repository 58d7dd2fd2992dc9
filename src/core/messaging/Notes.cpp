// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messaging/Notes.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/MailAddress.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>

namespace pw {

namespace {

QString noteArgs(qint16 teamNo, qint32 noteId)
{
    return traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("lcNoteID"), noteId);
}

TeamNote noteFrom(const QSqlQuery& q)
{
    return TeamNote{q.value(0).toInt(),
                    NullToText(q.value(1)),
                    NullToText(q.value(2)),
                    toDateTime(q.value(3)).date(),
                    toDateTime(q.value(4)).date(),
                    q.value(5).toBool()};
}

const QString kNoteColumns = QStringLiteral("NoteID, Subject, Note, DateWritten, DateSent, IsEmail");

// One address field of a family or of the coaches: whose it is and what it is called.
struct AddressField {
    QVariant value;
    QString owner;  // the player's or coach's name
    const char* field;
};

// Joins the non-empty address fields with ","; an address is trimmed, since a stray space would
// make the server refuse the whole entry. A field that is not a list of valid addresses is left
// out and told in refused.
QString joinAddresses(const QList<AddressField>& fields, QStringList* refused)
{
    QStringList parts;
    for (const AddressField& f : fields) {
        const QString text = NullToText(f.value);
        if (text.trimmed().isEmpty())
            continue;
        if (const QString why = mail::addressFieldProblem(text); !why.isEmpty()) {
            if (refused)
                *refused << QCoreApplication::translate("pw::Notes", "%1: %2 (%3)")
                                .arg(shownText(f.owner), QCoreApplication::translate("pw::Notes", f.field), why);
            continue;
        }
        parts << text.trimmed();
    }
    return parts.join(QLatin1Char(','));
}

// "Label:" padded with spaces to 26 characters, as the league's readers expect the lines lined up.
QString labelled(const QString& label, const QString& value)
{
    return label.leftJustified(26, QLatin1Char(' ')) + value;
}

}  // namespace

QList<TeamNote> readTeamNotes(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("FillNoteList"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QList<TeamNote> notes;
    QSqlQuery q = execSql(QStringLiteral("SELECT %1 FROM TeamNotes WHERE TeamNo = ? "
                                         "ORDER BY DateWritten DESC, NoteID DESC")
                              .arg(kNoteColumns),
                          {teamNo});
    while (q.next())
        notes << noteFrom(q);
    return notes;
}

std::optional<TeamNote> readTeamNote(qint16 teamNo, qint32 noteId)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT %1 FROM TeamNotes WHERE TeamNo = ? AND NoteID = ?").arg(kNoteColumns),
                          {teamNo, noteId});
    if (!q.next())
        return std::nullopt;
    return noteFrom(q);
}

qint32 saveTeamNote(qint16 teamNo, std::optional<qint32> replacedNoteId, const QString& subject, const QString& note,
                    bool isEmail)
{
    PW_TRACE(QStringLiteral("frmGameNotes.OKButton_Click"), noteArgs(teamNo, replacedNoteId.value_or(0)));
    Transaction tx;
    if (replacedNoteId)
        execSql(QStringLiteral("DELETE FROM TeamNotes WHERE TeamNo = ? AND NoteID = ?"), {teamNo, *replacedNoteId});
    QSqlQuery q = execSql(QStringLiteral("INSERT INTO TeamNotes (TeamNo, Note, DateWritten, Subject, IsEmail) "
                                         "VALUES (?, ?, ?, ?, ?) RETURNING NoteID"),
                          {teamNo, note, QDate::currentDate(), subject, isEmail});
    if (!q.next())
        throw PwError(err::DatabaseQuery, QStringLiteral("The store gave no NoteID for the new note"));
    const qint32 id = q.value(0).toInt();
    q.finish();  // an open statement would keep SQLite from committing
    announce(Change::Notes, teamNo);
    tx.commit();
    return id;
}

void deleteTeamNote(qint16 teamNo, qint32 noteId)
{
    PW_TRACE(QStringLiteral("frmNoteList.DeleteNote"), noteArgs(teamNo, noteId));
    execSql(QStringLiteral("DELETE FROM TeamNotes WHERE TeamNo = ? AND NoteID = ?"), {teamNo, noteId});
    announce(Change::Notes, teamNo);
}

void markTeamNoteSent(qint16 teamNo, qint32 noteId, const QDate& when)
{
    execSql(QStringLiteral("UPDATE TeamNotes SET DateSent = ? WHERE TeamNo = ? AND NoteID = ?"),
            {when, teamNo, noteId});
    announce(Change::Notes, teamNo);
}

QStringList GetEmailAddress(qint16 teamNo, QString& notFound, QStringList* refused)
{
    PW_TRACE(QStringLiteral("GetEmailAddress"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QStringList recipients;
    QStringList missing;
    // Roster order is the order of the players' numbers, so the families get their mail in the
    // order they were entered.
    QSqlQuery q = execSql(QStringLiteral("SELECT email, MomEmail, DadEmail, PlayerFirstName, PlayerLastName "
                                         "FROM Player WHERE TeamNo = ? ORDER BY PlayerNo ASC"),
                          {teamNo});
    while (q.next()) {
        const QString name = NullToText(q.value(3)) + QLatin1Char(' ') + NullToText(q.value(4));
        const bool anyAddress = !NullToText(q.value(0)).trimmed().isEmpty() ||
                                !NullToText(q.value(1)).trimmed().isEmpty() ||
                                !NullToText(q.value(2)).trimmed().isEmpty();
        const QString entry = joinAddresses({{q.value(0), name, QT_TRANSLATE_NOOP("pw::Notes", "the player's E-Mail")},
                                             {q.value(1), name, QT_TRANSLATE_NOOP("pw::Notes", "the mother's E-Mail")},
                                             {q.value(2), name, QT_TRANSLATE_NOOP("pw::Notes", "the father's E-Mail")}},
                                            refused);
        if (!entry.isEmpty())
            recipients << entry;
        else if (!anyAddress)
            missing << name;
    }
    QSqlQuery t = execSql(QStringLiteral("SELECT TeamCoach1Email, TeamCoach2Email, TeamCoach3Email, TeamCoach1, "
                                         "TeamCoach2, TeamCoach3 FROM Teams WHERE TeamNo = ?"),
                          {teamNo});
    if (t.next()) {
        const auto coach = [&t](int n) {
            const QString name = NullToText(t.value(2 + n)).trimmed();
            return name.isEmpty() ? QCoreApplication::translate("pw::Notes", "Coach %1").arg(n) : name;
        };
        const QString coaches =
            joinAddresses({{t.value(0), coach(1), QT_TRANSLATE_NOOP("pw::Notes", "the coach's Email")},
                           {t.value(1), coach(2), QT_TRANSLATE_NOOP("pw::Notes", "the assistant coach's Email")},
                           {t.value(2), coach(3), QT_TRANSLATE_NOOP("pw::Notes", "the assistant coach's Email")}},
                          refused);
        if (!coaches.isEmpty())
            recipients << coaches;
    }
    notFound = missing.join(QStringLiteral(", "));
    return recipients;
}

TeamMailInfo readTeamMailInfo(qint16 teamNo)
{
    TeamMailInfo info;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TeamCoach1, TeamCoach1Email, EmailSendTo, ClubName, TeamName, AgeDivision, "
                               "Sex FROM Teams WHERE TeamNo = ?"),
                {teamNo});
    if (q.next()) {
        info.coachName = NullToText(q.value(0)).trimmed();
        info.coachEmail = NullToText(q.value(1)).trimmed();
        info.sendResultsTo = NullToText(q.value(2)).trimmed();
        info.clubName = NullToText(q.value(3));
        info.teamName = NullToText(q.value(4));
        info.ageDivision = NullToText(q.value(5));
        info.sex = NullToText(q.value(6));
    }
    return info;
}

QString teamMessageBody(const QString& note)
{
    return QStringLiteral("\n") + note + QStringLiteral("\n\n");
}

GameResultMail resultMail(qint16 teamNo, qint16 gameNo, const QString& score)
{
    PW_TRACE(QStringLiteral("SendResults"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("GameNo"), gameNo));
    const TeamMailInfo t = readTeamMailInfo(teamNo);
    QSqlQuery g = execSql(QStringLiteral("SELECT s.GameDate, o.OpponentName, o.OpponentCoach FROM Schedule s "
                                         "LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo "
                                         "WHERE s.TeamNo = ? AND s.GameNo = ?"),
                          {teamNo, gameNo});
    QVariant gameDate;
    QString opponent, opponentCoach;
    if (g.next()) {
        gameDate = g.value(0);
        opponent = NullToText(g.value(1));
        opponentCoach = NullToText(g.value(2));
    }
    const qsizetype dash = score.indexOf(QLatin1Char('-'));
    const QString own = dash < 0 ? score.trimmed() : score.left(dash).trimmed();
    const QString theirs = dash < 0 ? QString() : score.mid(dash + 1).trimmed();

    GameResultMail m;
    m.to = t.sendResultsTo;
    m.copyTo = t.coachEmail;
    m.from = t.coachEmail;
    // In the coach's language, as he writes to his league; the labels keep their column.
    const auto label = [](const char* text) { return QCoreApplication::translate("pw::Notes", text); };
    m.subject = QCoreApplication::translate("pw::Notes", "Results of %1 %2 %3 %4")
                    .arg(t.clubName, t.teamName, t.ageDivision, t.sex);
    const QStringList lines{
        QString(),
        QCoreApplication::translate("pw::Notes",
                                    "Please respond to this E-mail to verify that you received this information."),
        QString(),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Game Date:")), Format(gameDate, QStringLiteral("Short Date"))),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Division:")), t.ageDivision),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Team:")), t.teamName),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Coach:")), t.coachName),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Score:")), own),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Opposing Team:")), opponent),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Opposing Coach:")), opponentCoach),
        labelled(label(QT_TRANSLATE_NOOP("pw::Notes", "Opposing Team score:")), theirs),
        QString(),
        QCoreApplication::translate("pw::Notes", "Thanks,"),
        t.coachName,
    };
    m.body = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return m;
}

void NoteListModel::setNotes(QList<TeamNote> notes)
{
    beginResetModel();
    m_notes = std::move(notes);
    endResetModel();
}

int NoteListModel::rowOf(qint32 noteId) const
{
    for (int r = 0; r < m_notes.size(); ++r) {
        if (m_notes.at(r).noteId == noteId)
            return r;
    }
    return -1;
}

int NoteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_notes.size());
}

int NoteListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant NoteListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case 0: return tr("Date");
        case 1: return tr("Subject");
        case 2: return tr("Date Sent");
        case 3: return tr("Email");
        default: break;
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const
{
    const TeamNote* n = note(index.row());
    if (!n)
        return {};
    if (role == Qt::UserRole)
        return n->noteId;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const auto date = [](const QDate& d) { return d.isValid() ? Format(d, QStringLiteral("Short Date")) : QString(); };
    switch (index.column()) {
    case 0: return date(n->dateWritten);
    case 1: return shownText(n->subject.simplified());
    case 2: return date(n->dateSent);
    case 3: return n->isEmail ? QStringLiteral("True") : QStringLiteral("False");
    default: return {};
    }
}

}  // namespace pw
