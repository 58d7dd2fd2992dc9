// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/RosterCsv.h"

#include "common/Formats.h"
#include "common/MailAddress.h"
#include "common/Trace.h"
#include "core/teams/TeamProfile.h"
#include "data/Changes.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace pw {

// ---- Comma-separated values ----

namespace {

bool forbiddenControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
           c != QLatin1Char('\n');
}

// Reads the records of text one character at a time; a quote opens a quoted field only at the
// start of a field, as spreadsheet programs write them.
class CsvReader {
public:
    explicit CsvReader(const QString& text)
        : m_text(text)
    {
    }

    QList<CsvRecord> records()
    {
        while (m_at < m_text.size())
            readRecord();
        return m_out;
    }

private:
    void readRecord()
    {
        CsvRecord record;
        record.line = m_line;
        bool more = true;
        while (more)
            more = readField(record);
        // An empty line is no record.
        if (record.fields.size() > 1 || !record.fields.constFirst().isEmpty() || !record.error.isEmpty())
            m_out << record;
    }

    // Reads one field into the record; true when another field of the record follows.
    bool readField(CsvRecord& record)
    {
        QString field;
        bool quoted = m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"');
        if (quoted)
            ++m_at;
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at++);
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('"')) {
                        ++m_at;
                        field += c;
                    } else {
                        quoted = false;
                    }
                    continue;
                }
                if (isBreak(c))
                    field += QLatin1Char('\n');
                else
                    note(record, field, c);
                continue;
            }
            if (c == QLatin1Char(',')) {
                record.fields << field;
                return true;
            }
            if (isBreak(c))
                break;
            note(record, field, c);
        }
        if (quoted && record.error.isEmpty())
            record.error = RosterCsv::tr("a quoted field is not closed before the end of the file");
        record.fields << field;
        return false;
    }

    // A line break, counted once for CR LF.
    bool isBreak(QChar c)
    {
        if (c == QLatin1Char('\r') && m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('\n'))
            ++m_at;
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return false;
        ++m_line;
        return true;
    }

    void note(CsvRecord& record, QString& field, QChar c)
    {
        if (forbiddenControl(c) && record.error.isEmpty())
            record.error = RosterCsv::tr("column %1 holds a control character (U+%2)")
                               .arg(record.fields.size() + 1)
                               .arg(c.unicode(), 4, 16, QLatin1Char('0'));
        field += c;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    QList<CsvRecord> m_out;
};

QString csvField(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const bool quote = std::any_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }) ||
                       text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quote)
        return text;
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    // Line breaks within a field are written as the record ends are, so that the file has one kind.
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

}  // namespace

CsvFile readCsv(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(body);
    if (decode.hasError())
        return {{}, RosterCsv::tr("The file is not UTF-8 text. Save it from the spreadsheet program as CSV UTF-8.")};
    return {CsvReader(text).records(), {}};
}

QByteArray writeCsv(const QList<QStringList>& records, bool byteOrderMark)
{
    QString text;
    for (const QStringList& record : records) {
        QStringList fields;
        for (const QString& f : record)
            fields << csvField(f);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    QByteArray out = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    return out + text.toUtf8();
}

// ---- The fields of a roster file ----

namespace {

struct FieldInfo {
    RosterField field;
    const char* header;
    const char* synonyms;  // comma-separated, written as compared: lower case, letters and digits only
};

// The parent fields' own synonyms are made from the player's (see parentSynonyms()).
const FieldInfo kFields[] = {
    {RosterField::LastName, QT_TRANSLATE_NOOP("RosterCsv", "Last Name"),
     "lastname,surname,familyname,playerlastname,playersurname"},
    {RosterField::FirstName, QT_TRANSLATE_NOOP("RosterCsv", "First Name"),
     "firstname,givenname,forename,playerfirstname,christianname"},
    {RosterField::Nickname, QT_TRANSLATE_NOOP("RosterCsv", "Nickname"), "nickname,nick,preferredname,knownas"},
    {RosterField::Jersey, QT_TRANSLATE_NOOP("RosterCsv", "Jersey"),
     "jersey,jerseyno,jerseynumber,shirt,shirtno,shirtnumber,number,no,uniform,uniformnumber,kitnumber"},
    {RosterField::Email, QT_TRANSLATE_NOOP("RosterCsv", "E-Mail"), "email,emailaddress,mail,playeremail"},
    {RosterField::Position, QT_TRANSLATE_NOOP("RosterCsv", "Positions"), "positions,position"},
    {RosterField::Address, QT_TRANSLATE_NOOP("RosterCsv", "Address"),
     "address,street,streetaddress,address1,homeaddress"},
    {RosterField::City, QT_TRANSLATE_NOOP("RosterCsv", "City"), "city,town"},
    {RosterField::State, QT_TRANSLATE_NOOP("RosterCsv", "State"), "state,province,county,region"},
    {RosterField::Zip, QT_TRANSLATE_NOOP("RosterCsv", "Zip"), "zip,zipcode,postcode,postalcode"},
    {RosterField::BirthDate, QT_TRANSLATE_NOOP("RosterCsv", "Birth Date"), "birthdate,dob,dateofbirth,birthday,born"},
    {RosterField::Phone, QT_TRANSLATE_NOOP("RosterCsv", "Phone"), "phone,phoneno,phonenumber,telephone,tel,homephone"},
    {RosterField::AltPhone, QT_TRANSLATE_NOOP("RosterCsv", "Alt. Phone"),
     "altphone,alternatephone,otherphone,mobile,mobilephone,cell,cellphone"},
    {RosterField::MomLastName, QT_TRANSLATE_NOOP("RosterCsv", "Mother's Last Name"), ""},
    {RosterField::MomFirstName, QT_TRANSLATE_NOOP("RosterCsv", "Mother's First Name"), "mother,mom,mum,mothername"},
    {RosterField::MomAddress, QT_TRANSLATE_NOOP("RosterCsv", "Mother's Address"), ""},
    {RosterField::MomCity, QT_TRANSLATE_NOOP("RosterCsv", "Mother's City"), ""},
    {RosterField::MomState, QT_TRANSLATE_NOOP("RosterCsv", "Mother's State"), ""},
    {RosterField::MomZip, QT_TRANSLATE_NOOP("RosterCsv", "Mother's Zip"), ""},
    {RosterField::MomPhone, QT_TRANSLATE_NOOP("RosterCsv", "Mother's Phone"), ""},
    {RosterField::MomAltPhone, QT_TRANSLATE_NOOP("RosterCsv", "Mother's Alt. Phone"), ""},
    {RosterField::MomEmail, QT_TRANSLATE_NOOP("RosterCsv", "Mother's E-Mail"), ""},
    {RosterField::MomSameAddress, QT_TRANSLATE_NOOP("RosterCsv", "Mother at Player's Address"),
     "mothersameaddress,momsameaddress"},
    {RosterField::DadLastName, QT_TRANSLATE_NOOP("RosterCsv", "Father's Last Name"), ""},
    {RosterField::DadFirstName, QT_TRANSLATE_NOOP("RosterCsv", "Father's First Name"), "father,dad,fathername"},
    {RosterField::DadAddress, QT_TRANSLATE_NOOP("RosterCsv", "Father's Address"), ""},
    {RosterField::DadCity, QT_TRANSLATE_NOOP("RosterCsv", "Father's City"), ""},
    {RosterField::DadState, QT_TRANSLATE_NOOP("RosterCsv", "Father's State"), ""},
    {RosterField::DadZip, QT_TRANSLATE_NOOP("RosterCsv", "Father's Zip"), ""},
    {RosterField::DadPhone, QT_TRANSLATE_NOOP("RosterCsv", "Father's Phone"), ""},
    {RosterField::DadAltPhone, QT_TRANSLATE_NOOP("RosterCsv", "Father's Alt. Phone"), ""},
    {RosterField::DadEmail, QT_TRANSLATE_NOOP("RosterCsv", "Father's E-Mail"), ""},
    {RosterField::DadSameAddress, QT_TRANSLATE_NOOP("RosterCsv", "Father at Player's Address"),
     "fathersameaddress,dadsameaddress"},
};
static_assert(std::size(kFields) == kRosterFieldCount);

const FieldInfo& info(RosterField field)
{
    return kFields[static_cast<int>(field)];
}

// "Mother's E-Mail" -> "mothersemail".
QString comparable(const QString& header)
{
    QString out;
    for (QChar c : header.toCaseFolded()) {
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

QStringList synonymsOf(RosterField field)
{
    return QString::fromLatin1(info(field).synonyms).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// A parent's field under the words club spreadsheets put before it ("Mother Email", "Mum's phone",
// "Dad Cell"): the player's field's synonyms behind each of them.
QHash<QString, RosterField> parentSynonyms()
{
    QHash<QString, RosterField> out;
    const QStringList mom{QStringLiteral("mother"), QStringLiteral("mothers"), QStringLiteral("mom"),
                          QStringLiteral("moms"),   QStringLiteral("mum"),     QStringLiteral("mums")};
    const QStringList dad{QStringLiteral("father"), QStringLiteral("fathers"), QStringLiteral("dad"),
                          QStringLiteral("dads")};
    const int parentFields = static_cast<int>(RosterField::DadLastName) - static_cast<int>(RosterField::MomLastName);
    const RosterField own[] = {RosterField::LastName, RosterField::FirstName, RosterField::Address,
                               RosterField::City,     RosterField::State,     RosterField::Zip,
                               RosterField::Phone,    RosterField::AltPhone,  RosterField::Email};
    for (int i = 0; i < int(std::size(own)); ++i) {
        for (const QString& word : synonymsOf(own[i])) {
            for (const QString& m : mom)
                out.insert(m + word, RosterField(static_cast<int>(RosterField::MomLastName) + i));
            for (const QString& d : dad)
                out.insert(d + word, RosterField(static_cast<int>(RosterField::MomLastName) + parentFields + i));
        }
    }
    return out;
}

}  // namespace

QList<RosterField> rosterFields()
{
    QList<RosterField> out;
    for (const FieldInfo& f : kFields)
        out << f.field;
    return out;
}

QString rosterHeader(RosterField field)
{
    return field == RosterField::None ? QString() : QString::fromLatin1(info(field).header);
}

QString rosterFieldLabel(RosterField field)
{
    return field == RosterField::None ? QString() : RosterCsv::tr(info(field).header);
}

RosterField fieldForHeader(const QString& header)
{
    static const QHash<QString, RosterField> parents = parentSynonyms();
    const QString key = comparable(header);
    if (key.isEmpty())
        return RosterField::None;
    for (const FieldInfo& f : kFields) {
        if (comparable(QString::fromLatin1(f.header)) == key || comparable(rosterFieldLabel(f.field)) == key ||
            synonymsOf(f.field).contains(key))
            return f.field;
    }
    return parents.value(key, RosterField::None);
}

RosterMapping defaultMapping(const QStringList& headers)
{
    RosterMapping m;
    QSet<RosterField> taken;
    for (const QString& h : headers) {
        RosterField f = fieldForHeader(h);
        if (taken.contains(f))
            f = RosterField::None;
        taken.insert(f);
        m.columns << f;
    }
    return m;
}

// ---- Values of the fields ----

namespace {

// The text member a field is kept in; nothing for the fields kept otherwise.
QString* textOf(PlayerProfile& p, RosterField field)
{
    switch (field) {
    case RosterField::LastName: return &p.lastName;
    case RosterField::FirstName: return &p.firstName;
    case RosterField::Nickname: return &p.nickname;
    case RosterField::Email: return &p.email;
    case RosterField::Address: return &p.address;
    case RosterField::City: return &p.city;
    case RosterField::State: return &p.state;
    case RosterField::Zip: return &p.zipCode;
    case RosterField::Phone: return &p.phone;
    case RosterField::AltPhone: return &p.altPhone;
    default: break;
    }
    const int i = static_cast<int>(field) - static_cast<int>(RosterField::MomLastName);
    const int perParent = static_cast<int>(RosterField::DadLastName) - static_cast<int>(RosterField::MomLastName);
    if (i < 0 || i >= 2 * perParent)
        return nullptr;
    ParentInfo& parent = i < perParent ? p.mom : p.dad;
    QString* members[] = {&parent.lastName, &parent.firstName, &parent.address,  &parent.city,  &parent.state,
                          &parent.zip,      &parent.phone,     &parent.altPhone, &parent.email, nullptr};
    return members[i % perParent];
}

const char* const kPositionNames[] = {
    QT_TRANSLATE_NOOP("RosterCsv", "Front Line"), QT_TRANSLATE_NOOP("RosterCsv", "Half Back"),
    QT_TRANSLATE_NOOP("RosterCsv", "Full Back"), QT_TRANSLATE_NOOP("RosterCsv", "Sweeper"),
    QT_TRANSLATE_NOOP("RosterCsv", "Goalie")};

QString positionsText(const QString& stored)
{
    const Positions ticked = decodePositions(stored);
    QStringList names;
    for (size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i])
            names << QString::fromLatin1(kPositionNames[i]);
    }
    return names.join(QStringLiteral("; "));
}

// "Half Back; Goalie" (in English or the program's language) as the store keeps it.
std::optional<QString> positionsFromText(const QString& text)
{
    Positions ticked{};
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[;,/]")), Qt::SkipEmptyParts)) {
        const QString name = comparable(part);
        if (name.isEmpty())
            continue;
        size_t i = 0;
        while (i < ticked.size() && comparable(QString::fromLatin1(kPositionNames[i])) != name &&
               comparable(RosterCsv::tr(kPositionNames[i])) != name)
            ++i;
        if (i == ticked.size())
            return std::nullopt;
        ticked[i] = true;
    }
    return encodePositions(ticked);
}

std::optional<bool> flagFromText(const QString& text)
{
    const QString t = comparable(text);
    if (t.isEmpty() || t == QLatin1String("no") || t == QLatin1String("n") || t == QLatin1String("false") ||
        t == QLatin1String("0"))
        return false;
    if (t == QLatin1String("yes") || t == QLatin1String("y") || t == QLatin1String("true") || t == QLatin1String("1") ||
        t == QLatin1String("x"))
        return true;
    return std::nullopt;
}

}  // namespace

QString rosterValue(const PlayerProfile& p, RosterField field)
{
    switch (field) {
    case RosterField::Jersey: return p.jerseyNo > 0 ? QString::number(p.jerseyNo) : QString();
    // The store keeps a missing zip as "0".
    case RosterField::Zip: return p.zipCode.trimmed() == QLatin1String("0") ? QString() : p.zipCode;
    case RosterField::Position: return positionsText(p.position);
    case RosterField::BirthDate: return p.birthDate.isValid() ? p.birthDate.toString(Qt::ISODate) : QString();
    case RosterField::MomSameAddress: return p.mom.sameAddress ? QStringLiteral("Yes") : QStringLiteral("No");
    case RosterField::DadSameAddress: return p.dad.sameAddress ? QStringLiteral("Yes") : QStringLiteral("No");
    default: break;
    }
    // The member is only read.
    const QString* text = textOf(const_cast<PlayerProfile&>(p), field);
    return text ? *text : QString();
}

namespace {

// A birth date as exported (2016-04-30) or as the coach types dates; invalid when the text is none.
QDate dateFromText(const QString& text)
{
    const QDate iso = QDate::fromString(text.trimmed(), Qt::ISODate);
    return iso.isValid() ? iso : readTypedDate(text.trimmed(), shortDateFormat());
}

// Puts the text of a file's cell into the player; why it cannot when it cannot.
QString setValue(PlayerProfile& p, RosterField field, const QString& text)
{
    const QString label = rosterFieldLabel(field);
    switch (field) {
    case RosterField::Jersey: {
        bool ok = true;
        const int n = text.trimmed().isEmpty() ? 0 : text.trimmed().toInt(&ok);
        if (!ok || n < 0 || n > 32767)
            return RosterCsv::tr("jersey \"%1\" is no whole number from 0 to 32767").arg(shownText(text));
        p.jerseyNo = static_cast<qint16>(n);
        return {};
    }
    case RosterField::Position: {
        const auto positions = positionsFromText(text);
        if (!positions)
            return RosterCsv::tr("unknown position in \"%1\"").arg(shownText(text));
        p.position = *positions;
        return {};
    }
    case RosterField::BirthDate:
        p.birthDate = text.trimmed().isEmpty() ? QDate() : dateFromText(text);
        return text.trimmed().isEmpty() || p.birthDate.isValid()
                   ? QString()
                   : RosterCsv::tr("bad date \"%1\" (write it as 2016-04-30)").arg(shownText(text));
    case RosterField::MomSameAddress:
    case RosterField::DadSameAddress: {
        const auto flag = flagFromText(text);
        if (!flag)
            return RosterCsv::tr("%1 is \"%2\", not Yes or No").arg(label, shownText(text));
        (field == RosterField::MomSameAddress ? p.mom : p.dad).sameAddress = *flag;
        return {};
    }
    case RosterField::Email:
    case RosterField::MomEmail:
    case RosterField::DadEmail: {
        *textOf(p, field) = text.trimmed();
        const QString why = mail::addressFieldProblem(text);
        return why.isEmpty() ? QString() : RosterCsv::tr("bad e-mail address in %1: %2").arg(label, why);
    }
    default: *textOf(p, field) = text; return {};
    }
}

bool sameProfile(const PlayerProfile& a, const PlayerProfile& b)
{
    for (RosterField f : rosterFields()) {
        if (rosterValue(a, f) != rosterValue(b, f))
            return false;
    }
    return true;
}

}  // namespace

// ---- Export ----

QByteArray exportRoster(qint16 teamNo, bool byteOrderMark)
{
    PW_TRACE(QStringLiteral("ExportRoster"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QList<QStringList> records;
    QStringList header;
    for (RosterField f : rosterFields())
        header << rosterHeader(f);
    records << header;
    for (const PlayerEntry& entry : playerEntries(teamNo)) {
        const auto player = readPlayer(teamNo, entry.playerNo);
        if (!player)
            continue;
        QStringList record;
        for (RosterField f : rosterFields())
            record << rosterValue(*player, f);
        records << record;
    }
    return writeCsv(records, byteOrderMark);
}

QString rosterFileName(qint16 teamNo)
{
    const auto team = readTeamProfile(teamNo);
    QString name = team ? team->teamName.simplified() : QString();
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(forbidden, QStringLiteral("-"));
    return RosterCsv::tr("%1 roster.csv").arg(name).trimmed();
}

// ---- Import ----

namespace {

QString nameKey(const PlayerProfile& p)
{
    return p.lastName.simplified().toCaseFolded() + QChar(0) + p.firstName.simplified().toCaseFolded();
}

QString personKey(const PlayerProfile& p)
{
    return nameKey(p) + QChar(0) + p.birthDate.toString(Qt::ISODate);
}

QList<PlayerProfile> teamPlayers(qint16 teamNo)
{
    QList<PlayerProfile> out;
    for (const PlayerEntry& entry : playerEntries(teamNo)) {
        if (auto p = readPlayer(teamNo, entry.playerNo))
            out << *p;
    }
    return out;
}

// The team's player the row stands for: the same name and birth date, or else the same name where
// one of the two has no birth date.
const PlayerProfile* matchOf(const QList<PlayerProfile>& team, const PlayerProfile& row)
{
    for (const PlayerProfile& p : team) {
        if (nameKey(p) == nameKey(row) && p.birthDate == row.birthDate)
            return &p;
    }
    for (const PlayerProfile& p : team) {
        if (nameKey(p) == nameKey(row) && (!p.birthDate.isValid() || !row.birthDate.isValid()))
            return &p;
    }
    return nullptr;
}

// A row as it would be stored: a new player from the file's cells, or the team's player with the
// fields the row has values for (an empty cell keeps what the team has: club spreadsheets leave
// cells empty that the coach has filled in); errors that concern the row alone.
ImportRow readRow(const CsvRecord& record, const RosterMapping& mapping, const QList<PlayerProfile>& team,
                  qint16 teamNo)
{
    ImportRow row;
    row.line = record.line;
    QStringList errors;
    if (!record.error.isEmpty())
        errors << record.error;
    PlayerProfile fromFile;
    fromFile.teamNo = teamNo;
    QList<RosterField> given;  // the fields the row has a value for
    for (qsizetype i = 0; i < mapping.columns.size(); ++i) {
        const RosterField f = mapping.columns.at(i);
        if (f == RosterField::None)
            continue;
        const QString why = setValue(fromFile, f, record.fields.value(i));
        if (!why.isEmpty())
            errors << why;
        if (!record.fields.value(i).trimmed().isEmpty())
            given << f;
    }
    row.player = fromFile;
    if (const PlayerProfile* match = matchOf(team, fromFile)) {
        row.existingPlayerNo = match->playerNo;
        row.player = *match;
        for (RosterField f : given)
            setValue(row.player, f, rosterValue(fromFile, f));
    }
    // As the profile window: nothing is stored without a last name.
    if (row.player.lastName.trimmed().isEmpty())
        errors.prepend(RosterCsv::tr("missing name: a player needs a last name"));
    row.error = errors.join(QStringLiteral("; "));
    return row;
}

// Errors of rows against the team and each other: a jersey another player keeps or an earlier
// row takes, a player the file names twice. Rows that are not stored take nothing from the
// others; as a row failing here can give its jersey back to a player, the check runs until the
// failing rows stay the same.
void checkClashes(QList<ImportRow>& rows, const QList<PlayerProfile>& team)
{
    const QStringList ownErrors = [&] {
        QStringList out;
        for (const ImportRow& r : rows)
            out << r.error;
        return out;
    }();
    QSet<int> failed;
    for (int round = 0; round <= rows.size(); ++round) {
        QSet<qint16> updated;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i].duplicate() && !rows[i].skip && !failed.contains(int(i)) && ownErrors[i].isEmpty())
                updated.insert(rows[i].existingPlayerNo);
        }
        QHash<qint16, QString> taken;  // jersey -> why it is taken
        for (const PlayerProfile& p : team) {
            if (p.jerseyNo > 0 && !updated.contains(p.playerNo))
                taken.insert(p.jerseyNo, RosterCsv::tr("jersey %1 is taken by %2, %3 in the team")
                                             .arg(p.jerseyNo)
                                             .arg(shownText(p.lastName), shownText(p.firstName)));
        }
        QHash<QString, int> seen;  // player -> the line that names him first
        QSet<int> nowFailed;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            ImportRow& row = rows[i];
            QStringList errors;
            if (!ownErrors[i].isEmpty())
                errors << ownErrors[i];
            const QString who = row.duplicate() ? QString::number(row.existingPlayerNo) : personKey(row.player);
            const qint16 jersey = row.player.jerseyNo;
            if (!row.skip && seen.contains(who))
                errors << RosterCsv::tr("the same player as line %1").arg(seen.value(who));
            else if (!row.skip && jersey > 0 && taken.contains(jersey))
                errors << taken.value(jersey);
            if (!row.skip && !seen.contains(who))
                seen.insert(who, row.line);
            row.error = errors.join(QStringLiteral("; "));
            if (!row.error.isEmpty())
                nowFailed.insert(int(i));
            else if (!row.skip && jersey > 0)
                taken.insert(jersey,
                             RosterCsv::tr("jersey %1 is taken by line %2 of the file").arg(jersey).arg(row.line));
        }
        if (nowFailed == failed)
            return;
        failed = nowFailed;
    }
}

}  // namespace

int RosterImportPlan::errorCount() const
{
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const ImportRow& r) { return !r.error.isEmpty(); }));
}

RosterImportPlan planImport(qint16 teamNo, const QByteArray& bytes, const RosterMapping& mapping)
{
    PW_TRACE(QStringLiteral("PlanRosterImport"), traceArg(QStringLiteral("TeamNo"), teamNo));
    RosterImportPlan plan;
    plan.teamNo = teamNo;
    const CsvFile file = readCsv(bytes);
    plan.error = file.error;
    if (plan.error.isEmpty() && file.records.isEmpty())
        plan.error = RosterCsv::tr("The file holds no rows.");
    else if (plan.error.isEmpty() && !file.records.constFirst().error.isEmpty())
        plan.error = RosterCsv::tr("The first row, which names the columns, cannot be read: %1")
                         .arg(file.records.constFirst().error);
    if (!plan.error.isEmpty())
        return plan;
    plan.headers = file.records.constFirst().fields;
    plan.mapping = mapping.columns.isEmpty() ? defaultMapping(plan.headers) : mapping;
    plan.mapping.skippedLines = mapping.skippedLines;
    plan.mapping.columns.resize(plan.headers.size(), RosterField::None);

    const QList<PlayerProfile> team = teamPlayers(teamNo);
    qint16 nextNo = 1;
    for (const PlayerProfile& p : team)
        nextNo = std::max<qint16>(nextNo, p.playerNo + 1);
    for (const CsvRecord& record : file.records.mid(1)) {
        ImportRow row = readRow(record, plan.mapping, team, teamNo);
        row.skip = row.duplicate() && plan.mapping.skippedLines.contains(row.line);
        if (!row.duplicate())
            row.player.playerNo = nextNo++;
        plan.rows << row;
    }
    checkClashes(plan.rows, team);
    for (ImportRow& row : plan.rows) {
        const auto existing = std::find_if(team.begin(), team.end(),
                                           [&](const PlayerProfile& p) { return p.playerNo == row.existingPlayerNo; });
        row.unchanged = row.duplicate() && existing != team.end() && sameProfile(*existing, row.player);
    }
    return plan;
}

ImportResult storeImport(const RosterImportPlan& plan)
{
    PW_TRACE(QStringLiteral("StoreRosterImport"), traceArg(QStringLiteral("TeamNo"), plan.teamNo));
    ImportResult result;
    Transaction tx;
    for (const ImportRow& row : plan.rows) {
        if (!row.stored())
            continue;
        PlayerProfile p = row.player;
        p.teamNo = plan.teamNo;
        if (row.duplicate()) {
            ++result.updated;
        } else {
            // Numbered now, in the transaction: the preview's number may have been taken since.
            p.playerNo = GetNextNo(QStringLiteral("PlayerNo"), QStringLiteral("Player"),
                                   {{QStringLiteral("TeamNo"), plan.teamNo}});
            ++result.added;
        }
        savePlayer(p);
    }
    // Nothing stored, nothing to refresh.
    if (result.added + result.updated > 0)
        announce(Change::Players, plan.teamNo);
    tx.commit();
    return result;
}

// ---- The command line ----

void writeRosterFile(qint16 teamNo, const QString& path, bool byteOrderMark)
{
    if (!readTeamProfile(teamNo))
        throw PwError(err::BadArgument, RosterCsv::tr("There is no team %1.").arg(teamNo));
    // Written whole or not at all: nobody finds half a roster, and a failed export keeps the old file.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(exportRoster(teamNo, byteOrderMark)) < 0 || !out.commit())
        throw PwError(err::FileAccess, RosterCsv::tr("Cannot write %1: %2").arg(path, out.errorString()));
}

int exportRosterFile(qint16 teamNo, const QString& path, QString* error)
{
    QString why;
    try {
        writeRosterFile(teamNo, path, false);
    } catch (const PwError& e) {
        why = e.description();
    } catch (const std::exception& e) {
        why = QString::fromLocal8Bit(e.what());
    }
    if (error)
        *error = why;
    return why.isEmpty() ? 0 : 1;
}

int importRosterFile(qint16 teamNo, const QString& path, QStringList* errors)
{
    QStringList out;
    try {
        QFile in(path);
        if (!readTeamProfile(teamNo)) {
            out << RosterCsv::tr("There is no team %1.").arg(teamNo);
        } else if (!in.open(QIODevice::ReadOnly)) {
            out << RosterCsv::tr("Cannot read %1: %2").arg(path, in.errorString());
        } else {
            const RosterImportPlan plan = planImport(teamNo, in.readAll());
            if (!plan.error.isEmpty())
                out << plan.error;
            for (const ImportRow& row : plan.rows) {
                if (!row.error.isEmpty())
                    out << RosterCsv::tr("line %1: %2").arg(row.line).arg(row.error);
            }
            if (out.isEmpty())
                storeImport(plan);
        }
    } catch (const PwError& e) {
        out << e.description();
    } catch (const std::exception& e) {
        out << QString::fromLocal8Bit(e.what());
    }
    if (errors)
        *errors = out;
    return out.isEmpty() ? 0 : 1;
}

}  // namespace pw
