// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/PlayerProfile.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/teams/TeamProfile.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"
#include "data/Schema.h"

#include <QCoreApplication>

namespace pw {

namespace {

// The translation context of the teams texts.
struct Teams {
    Q_DECLARE_TR_FUNCTIONS(Teams)
};

}  // namespace

QString encodePositions(const Positions& ticked)
{
    QStringList parts;
    for (bool t : ticked)
        parts << (t ? QStringLiteral("1") : QStringLiteral("0"));
    return parts.join(QLatin1Char(';'));
}

Positions decodePositions(const QString& text)
{
    Positions p{};
    const QStringList parts = text.split(QLatin1Char(';'));
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(p.size()); ++i)
        p[static_cast<size_t>(i)] = parts.at(i).trimmed() == QLatin1String("1");
    return p;
}

qint16 jerseyFromText(const QString& text)
{
    bool ok = false;
    const qint16 n = text.trimmed().toShort(&ok);
    // A jersey carries no negative number.
    return ok && n > 0 ? n : 0;
}

void applySameAddress(const PlayerProfile& player, ParentInfo& parent)
{
    if (!parent.sameAddress)
        return;
    parent.address = player.address;
    parent.city = player.city;
    parent.state = player.state;
    parent.zip = player.zipCode;
    parent.phone = player.phone;
}

namespace {

QStringList playerColumns()
{
    QStringList c{QStringLiteral("PlayerLastName"), QStringLiteral("PlayerFirstName"),
                  QStringLiteral("Nickname"),       QStringLiteral("JerseyNo"),
                  QStringLiteral("Email"),          QStringLiteral("Position"),
                  QStringLiteral("Address"),        QStringLiteral("City"),
                  QStringLiteral("State"),          QStringLiteral("ZipCode"),
                  QStringLiteral("BirthDate"),      QStringLiteral("PhoneNo"),
                  QStringLiteral("AltNo")};
    for (const char* who : {"Mom", "Dad"}) {
        const QString w = QString::fromLatin1(who);
        for (const char* field :
             {"LastName", "FirstName", "Address", "City", "State", "Zip", "Phone", "AltPhone", "Email", "SameAdd"})
            c << w + QString::fromLatin1(field);
    }
    c << QStringLiteral("MayPlayGoal");
    return c;
}

QVariantList parentValues(const ParentInfo& p)
{
    return {p.lastName, p.firstName, p.address, p.city, p.state, p.zip, p.phone, p.altPhone, p.email, p.sameAddress};
}

}  // namespace

std::optional<PlayerProfile> readPlayer(qint16 teamNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("FillPlayerInfo"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("PlayerNo"), playerNo));
    QStringList columns = playerColumns();
    if (!storedColumn(QStringLiteral("Player"), QStringLiteral("MayPlayGoal")))
        columns.replace(columns.indexOf(QStringLiteral("MayPlayGoal")), QStringLiteral("NULL"));
    QSqlQuery q = execSql(QStringLiteral("SELECT %1, AmountPaid FROM Player WHERE TeamNo = ? AND PlayerNo = ?")
                              .arg(columns.join(QStringLiteral(", "))),
                          {teamNo, playerNo});
    if (!q.next())
        return std::nullopt;
    int i = 0;
    auto text = [&] { return NullToText(q.value(i++)); };
    PlayerProfile p;
    p.teamNo = teamNo;
    p.playerNo = playerNo;
    p.lastName = text();
    p.firstName = text();
    p.nickname = text();
    p.jerseyNo = NullToInt(q.value(i++));
    p.email = text();
    p.position = text();
    p.address = text();
    p.city = text();
    p.state = text();
    p.zipCode = text();
    p.birthDate = toDateTime(q.value(i++)).date();
    p.phone = text();
    p.altPhone = text();
    for (ParentInfo* parent : {&p.mom, &p.dad}) {
        parent->lastName = text();
        parent->firstName = text();
        parent->address = text();
        parent->city = text();
        parent->state = text();
        parent->zip = text();
        parent->phone = text();
        parent->altPhone = text();
        parent->email = text();
        parent->sameAddress = q.value(i++).toBool();
    }
    p.mayPlayGoal = q.value(i++).toBool();
    p.amountPaid = q.value(i++).toDouble();
    applySameAddress(p, p.mom);
    applySameAddress(p, p.dad);
    return p;
}

bool savePlayer(const PlayerProfile& player)
{
    PW_TRACE(QStringLiteral("OKButton_Click"),
             traceArg(QStringLiteral("TeamNo"), player.teamNo) + traceArg(QStringLiteral("PlayerNo"), player.playerNo));
    if (player.teamNo < 1 || player.playerNo < 1)
        throw PwError(err::BadArgument, Teams::tr("A player needs a team and a number from 1 up."));
    PlayerProfile p = player;
    if (p.zipCode.trimmed().isEmpty())
        p.zipCode = QStringLiteral("0");
    applySameAddress(p, p.mom);
    applySameAddress(p, p.dad);
    QVariantList values{p.lastName,
                        p.firstName,
                        p.nickname,
                        p.jerseyNo,
                        p.email,
                        p.position,
                        p.address,
                        p.city,
                        p.state,
                        p.zipCode,
                        p.birthDate.isValid() ? QVariant(p.birthDate) : QVariant(),
                        p.phone,
                        p.altPhone};
    values << parentValues(p.mom) << parentValues(p.dad) << p.mayPlayGoal;
    QStringList cols = playerColumns();
    cols << QStringLiteral("PlayTime");
    values << 0;

    Transaction tx;
    const Where key{{QStringLiteral("TeamNo"), p.teamNo}, {QStringLiteral("PlayerNo"), p.playerNo}};
    const bool exists = !GetDBData(QStringLiteral("Player"), key, QStringLiteral("PlayerNo")).isEmpty();
    if (!exists) {
        cols << QStringLiteral("AmountPaid");
        values << 0.0;
    }
    const bool added = upsertRow(QStringLiteral("Player"), key, cols, values);
    announce(Change::Players, p.teamNo);
    tx.commit();
    return added;
}

QList<PlayerEntry> playerEntries(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("GenPlayerList"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QList<PlayerEntry> out;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, PlayerLastName, PlayerFirstName FROM Player WHERE TeamNo = ? "
                               "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
                {teamNo});
    while (q.next())
        out << PlayerEntry{NullToInt(q.value(0)), shownText(NullToText(q.value(1))) + QStringLiteral(", ") +
                                                      shownText(NullToText(q.value(2)))};
    return out;
}

QList<TeamEntry> copyTargets(qint16 playerNo)
{
    PW_TRACE(QStringLiteral("FillTeamList"), traceArg(QStringLiteral("PlayerNo"), playerNo));
    QSet<qint16> taken;
    QSqlQuery q = execSql(QStringLiteral("SELECT DISTINCT TeamNo FROM Player WHERE PlayerNo = ?"), {playerNo});
    while (q.next())
        taken.insert(NullToInt(q.value(0)));
    QList<TeamEntry> out;
    for (const TeamEntry& t : allTeamsByName()) {
        if (!taken.contains(t.teamNo))
            out << t;
    }
    return out;
}

void CopyPlayer(qint16 playerNo, qint16 sourceTeamNo, qint16 destTeamNo)
{
    PW_TRACE(QStringLiteral("CopyPlayer"), traceArg(QStringLiteral("PlayerNo"), playerNo) +
                                               traceArg(QStringLiteral("SourceTeam"), sourceTeamNo) +
                                               traceArg(QStringLiteral("DestTeam"), destTeamNo));
    copyRows(QStringLiteral("Player"),
             {{QStringLiteral("TeamNo"), sourceTeamNo}, {QStringLiteral("PlayerNo"), playerNo}},
             {{QStringLiteral("TeamNo"), destTeamNo}, {QStringLiteral("AmountPaid"), 0.0}});
    announce(Change::Players, destTeamNo);
}

void deletePlayer(qint16 teamNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("PlayerDelete_Click"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("PlayerNo"), playerNo));
    Transaction tx;
    execSql(QStringLiteral("DELETE FROM Player WHERE TeamNo = ? AND PlayerNo = ?"), {teamNo, playerNo});
    execSql(QStringLiteral("DELETE FROM PlayerNotes WHERE TeamNo = ? AND PlayerNo = ?"), {teamNo, playerNo});
    announce(Change::Players, teamNo);
    tx.commit();
}

QList<ImportEntry> importCandidates(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("MakeList"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QSet<qint16> ours;
    QSqlQuery own = execSql(QStringLiteral("SELECT PlayerNo FROM Player WHERE TeamNo = ?"), {teamNo});
    while (own.next())
        ours.insert(NullToInt(own.value(0)));

    QList<ImportEntry> out;
    QHash<QString, qsizetype> offered;  // person -> place in out
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TeamNo, PlayerNo, PlayerLastName, PlayerFirstName, BirthDate FROM Player "
                               "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, "
                               "BirthDate ASC, TeamNo DESC"));
    while (q.next()) {
        const qint16 playerNo = NullToInt(q.value(1));
        if (ours.contains(playerNo))
            continue;
        const qint16 team = NullToInt(q.value(0));
        const QString last = NullToText(q.value(2));
        const QString first = NullToText(q.value(3));
        // The same person on several teams is offered once, from the newest team, however the
        // store happened to sort names that differ only in case or spaces.
        const QString key = last.simplified().toCaseFolded() + QChar(0) + first.simplified().toCaseFolded() + QChar(0) +
                            toDateTime(q.value(4)).date().toString(Qt::ISODate);
        const ImportEntry entry{team, playerNo, shownText(last) + QStringLiteral(", ") + shownText(first)};
        if (const auto seen = offered.constFind(key); seen != offered.constEnd()) {
            if (out[*seen].teamNo < team)
                out[*seen] = entry;
            continue;
        }
        offered.insert(key, out.size());
        out << entry;
    }
    return out;
}

QList<PlayerNote> readPlayerNotes(qint16 teamNo, qint16 playerNo)
{
    QList<PlayerNote> out;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT NoteID, Note, Checked FROM PlayerNotes WHERE TeamNo = ? AND PlayerNo = ? "
                               "ORDER BY Priority ASC, NoteID ASC"),
                {teamNo, playerNo});
    while (q.next())
        out << PlayerNote{static_cast<int>(q.value(0).toLongLong()), NullToText(q.value(1)), q.value(2).toBool()};
    return out;
}

PlayerNote addPlayerNote(qint16 teamNo, qint16 playerNo, const QString& text, int priority)
{
    PW_TRACE(QStringLiteral("AddBtn_Click"), traceArg(QStringLiteral("PlayerNo"), playerNo));
    Transaction tx;
    const qint16 noteId = GetNextNo(QStringLiteral("NoteID"), QStringLiteral("PlayerNotes"),
                                    {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("PlayerNo"), playerNo}});
    execSql(
        QStringLiteral(
            "INSERT INTO PlayerNotes (TeamNo, PlayerNo, NoteID, Note, Priority, Checked) VALUES (?, ?, ?, ?, ?, ?)"),
        {teamNo, playerNo, noteId, text, priority, false});
    announce(Change::Players, teamNo);
    tx.commit();
    return PlayerNote{noteId, text, false};
}

void removePlayerNote(qint16 teamNo, qint16 playerNo, int noteId)
{
    execSql(QStringLiteral("DELETE FROM PlayerNotes WHERE TeamNo = ? AND PlayerNo = ? AND NoteID = ?"),
            {teamNo, playerNo, noteId});
    announce(Change::Players, teamNo);
}

void replacePlayerNotes(qint16 teamNo, qint16 playerNo, const QList<PlayerNote>& notes)
{
    PW_TRACE(QStringLiteral("UpdateBtn_Click"), traceArg(QStringLiteral("PlayerNo"), playerNo));
    RowSet set{QStringLiteral("PlayerNotes"),
               {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("PlayerNo"), playerNo}},
               {QStringLiteral("TeamNo"), QStringLiteral("PlayerNo"), QStringLiteral("NoteID"), QStringLiteral("Note"),
                QStringLiteral("Priority"), QStringLiteral("Checked")},
               {}};
    for (qsizetype i = 0; i < notes.size(); ++i)
        set.rows << QVariantList{teamNo,          playerNo, notes[i].noteId, notes[i].text, static_cast<int>(i + 1),
                                 notes[i].checked};
    replaceRows(set);
    announce(Change::Players, teamNo);
}

void writeNoteTicks(qint16 teamNo, qint16 playerNo, const QList<PlayerNote>& notes)
{
    Transaction tx;
    for (const PlayerNote& n : notes)
        execSql(QStringLiteral("UPDATE PlayerNotes SET Checked = ? WHERE TeamNo = ? AND PlayerNo = ? AND NoteID = ?"),
                {n.checked, teamNo, playerNo, n.noteId});
    announce(Change::Players, teamNo);
    tx.commit();
}

void savePlayerProfile(const PlayerProfile& player, const QList<PlayerNote>& ticks)
{
    Transaction tx;
    savePlayer(player);
    writeNoteTicks(player.teamNo, player.playerNo, ticks);
    tx.commit();
}

QString parentsText(const QString& playerLastName, const QString& momFirst, const QString& momLast,
                    const QString& dadFirst, const QString& dadLast)
{
    auto one = [&](const QString& first, const QString& last) {
        QString s = first.trimmed();
        if (!s.isEmpty() && !last.trimmed().isEmpty() && last.trimmed() != playerLastName.trimmed())
            s += QLatin1Char(' ') + last.trimmed();
        return s;
    };
    const QString mom = one(momFirst, momLast);
    const QString dad = one(dadFirst, dadLast);
    if (!mom.isEmpty() && !dad.isEmpty())
        return mom + QLatin1Char('/') + dad;
    return mom + dad;
}

QList<RosterLine> rosterLines(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("dlgRoster"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QList<RosterLine> out;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerLastName, PlayerFirstName, JerseyNo, PhoneNo, MomFirstName, "
                               "MomLastName, DadFirstName, DadLastName, Email FROM Player WHERE TeamNo = ? "
                               "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
                {teamNo});
    while (q.next()) {
        const QString last = NullToText(q.value(0));
        RosterLine line;
        line.name = shownText(last) + QStringLiteral(", ") + shownText(NullToText(q.value(1))) + QStringLiteral(" (") +
                    NullToText(q.value(2)) + QLatin1Char(')');
        line.phone = shownText(NullToText(q.value(3)));
        line.parents = shownText(parentsText(last, NullToText(q.value(4)), NullToText(q.value(5)),
                                             NullToText(q.value(6)), NullToText(q.value(7))));
        line.email = shownText(NullToText(q.value(8)));
        out << line;
    }
    return out;
}

}  // namespace pw
