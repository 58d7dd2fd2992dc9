// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pw {

// One team note: a plain note for printing or an e-mail message to every family and the coaches.
struct TeamNote {
    qint32 noteId = 0;
    QString subject;
    QString note;
    QDate dateWritten;  // null when never set
    QDate dateSent;     // null until the note went out without an error
    bool isEmail = false;
};

// The team's notes, newest first (notes written the same day by number, newest first).
QList<TeamNote> readTeamNotes(qint16 teamNo);
// One note; nullopt when it is gone (deleted from another window).
std::optional<TeamNote> readTeamNote(qint16 teamNo, qint32 noteId);
// Writes a note as a new row dated today and, when it replaces an edited one, removes the old
// row in the same transaction, so that either the new note is there or the old one still is.
// Returns the new note's number.
qint32 saveTeamNote(qint16 teamNo, std::optional<qint32> replacedNoteId, const QString& subject, const QString& note,
                    bool isEmail);
void deleteTeamNote(qint16 teamNo, qint32 noteId);
void markTeamNoteSent(qint16 teamNo, qint32 noteId, const QDate& when);

// GetEmailAddress: one recipient entry per player who has an address (the player's, the mother's
// and the father's joined by ","), in roster order, then one entry of the coaches' addresses.
// The names of players without any address go to notFound, separated by ", ". An address field
// that holds no valid e-mail address (typed before the program checked them, or written by
// another program) is left out, so that nothing in it reaches the mail server; when refused is
// given, it gets a line for each such field, naming the player or coach, the field and why.
QStringList GetEmailAddress(qint16 teamNo, QString& notFound, QStringList* refused = nullptr);

// Who a team's mail comes from, and where a game's result goes.
struct TeamMailInfo {
    QString coachName;   // TeamCoach1
    QString coachEmail;  // TeamCoach1Email
    QString sendResultsTo;
    QString clubName, teamName, ageDivision, sex;
};
TeamMailInfo readTeamMailInfo(qint16 teamNo);

// The body of a team message as the mailer reads it: the note between two empty lines.
QString teamMessageBody(const QString& note);

// A game result mail.
struct GameResultMail {
    QString to;      // the league's address (EmailSendTo)
    QString copyTo;  // the coach, when the team has an address for them
    QString from;
    QString subject;  // "Results of <club> <team> <division> <sex>"
    QString body;
};
// Reads the game and its opponent and lays out the labelled lines; score is the game's
// "own-opponent" text as the record shows it.
GameResultMail resultMail(qint16 teamNo, qint16 gameNo, const QString& score);

// The notes grid: "Date", "Subject", "Date Sent", "Email" ("True"/"False"); a date never set
// shows as an empty cell. Each row's note number is its Qt::UserRole.
class NoteListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setNotes(QList<TeamNote> notes);
    const QList<TeamNote>& notes() const { return m_notes; }
    const TeamNote* note(int row) const { return row >= 0 && row < m_notes.size() ? &m_notes.at(row) : nullptr; }
    int rowOf(qint32 noteId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<TeamNote> m_notes;
};

}  // namespace pw
