// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/PlayerProfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace pw {

// The tr() context of the roster files.
class RosterCsv {
    Q_DECLARE_TR_FUNCTIONS(RosterCsv)
};

// ---- Comma-separated values (RFC 4180) ----

// One record of a file: where it starts, its fields, and why it cannot be used (empty when it can).
struct CsvRecord {
    int line = 0;  // counted from 1; a field with line breaks makes the next record start further down
    QStringList fields;
    QString error;
};

struct CsvFile {
    QList<CsvRecord> records;
    QString error;  // the file as a whole cannot be read (not UTF-8); no records then
};

// Reads UTF-8 text with or without a byte-order mark, lines ending in CR LF, LF or CR, fields in
// double quotes holding commas, doubled quotes and line breaks. Empty lines are no records. A
// field holding a control character other than tab, CR or LF gives its record an error, as does
// a quote left open at the end of the file.
CsvFile readCsv(const QByteArray& bytes);

// Records as RFC 4180 writes them: CR LF after each, fields quoted where they hold a comma, a
// quote, a line break or spaces at either end. byteOrderMark: starts with the UTF-8 mark, which
// some spreadsheet programs need to read the letters beyond ASCII right.
QByteArray writeCsv(const QList<QStringList>& records, bool byteOrderMark);

// ---- The fields of a roster file ----

enum class RosterField : int {
    None = -1,
    LastName,
    FirstName,
    Nickname,
    Jersey,
    Email,
    Position,
    Address,
    City,
    State,
    Zip,
    BirthDate,
    Phone,
    AltPhone,
    MomLastName,
    MomFirstName,
    MomAddress,
    MomCity,
    MomState,
    MomZip,
    MomPhone,
    MomAltPhone,
    MomEmail,
    MomSameAddress,
    DadLastName,
    DadFirstName,
    DadAddress,
    DadCity,
    DadState,
    DadZip,
    DadPhone,
    DadAltPhone,
    DadEmail,
    DadSameAddress,
};
inline constexpr int kRosterFieldCount = static_cast<int>(RosterField::DadSameAddress) + 1;

// Every field in the order an exported file has its columns.
QList<RosterField> rosterFields();
// The column header an exported file gives the field. The same in every language, so that a file
// exported anywhere is matched again on import.
QString rosterHeader(RosterField field);
// The field as the coach reads it in the program's language.
QString rosterFieldLabel(RosterField field);

// The field a file's column header names: the header of an exported file, the field's label, or a
// name club spreadsheets use ("Surname", "DOB", "Shirt", "Mother Email"), compared without case,
// spaces or punctuation. None when it names no field.
RosterField fieldForHeader(const QString& header);

// The field's value as a roster file has it: dates as 2016-04-30, positions by name ("Half Back;
// Goalie"), Yes or No, no jersey as nothing.
QString rosterValue(const PlayerProfile& player, RosterField field);

// ---- Export ----

// The team's players (by last and first name) with every field, under a header row.
QByteArray exportRoster(qint16 teamNo, bool byteOrderMark);
// Writes the export to the file, replacing it whole or leaving it as it was. Throws PwError.
void writeRosterFile(qint16 teamNo, const QString& path, bool byteOrderMark);
// "Comets roster.csv", with characters no file name may hold replaced.
QString rosterFileName(qint16 teamNo);

// ---- Import ----

// How the file feeds the store: which field each column of the file fills (None: the column is
// left out), and the duplicates of existing players that are skipped rather than updated.
struct RosterMapping {
    QList<RosterField> columns;
    QSet<int> skippedLines;
};
// Each column to the field its header names; a field named twice is filled by the first column.
RosterMapping defaultMapping(const QStringList& headers);

struct ImportRow {
    int line = 0;
    PlayerProfile player;         // as it would be stored; a new player's number is a preview
    qint16 existingPlayerNo = 0;  // the team's player this row is a duplicate of; 0 when new
    bool skip = false;            // a duplicate the coach keeps as it is
    bool unchanged = false;       // a duplicate the row would not change
    QString error;                // why the row cannot be stored; empty when it can
    bool duplicate() const { return existingPlayerNo > 0; }
    bool stored() const { return error.isEmpty() && !skip && !unchanged; }
};

struct RosterImportPlan {
    qint16 teamNo = 0;
    QStringList headers;  // the file's first row
    RosterMapping mapping;
    QList<ImportRow> rows;
    QString error;  // the file cannot be read at all
    int errorCount() const;
};

// The file's rows as they would be stored in the team, with what is wrong with each. A mapping
// with no columns matches them by header. A row is a duplicate of a player of the team with the
// same last and first name (without case or extra spaces) and the same birth date, or the same
// name where either has no birth date; it updates that player's fields the row has values for.
RosterImportPlan planImport(qint16 teamNo, const QByteArray& bytes, const RosterMapping& mapping = {});

struct ImportResult {
    int added = 0;
    int updated = 0;
};
// Stores the rows that can be stored, all or none, with one change notice when any was. Throws PwError.
ImportResult storeImport(const RosterImportPlan& plan);

// For the command line: 0 when the file was written; otherwise why not in error.
int exportRosterFile(qint16 teamNo, const QString& path, QString* error);
// For the command line: stores every row of the file or, when any row has an error, none; the
// errors one a line as "line N: reason". 0 on success.
int importRosterFile(qint16 teamNo, const QString& path, QStringList* errors);

}  // namespace pw
