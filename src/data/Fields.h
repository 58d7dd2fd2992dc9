// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QString>
#include <QVariant>

namespace pw {

// The table and every column named must be the schema's own; the first matching row is the
// first by the table's key.

// One field of the first row of table matching where, as text; "" when no row matches or the
// field is empty. A failure is reported and gives "".
QString GetDBData(const QString& tableName, const Where& where, const QString& fieldName);
QString GetDBData(const QString& tableName, const Where& where, const QString& fieldName, const QSqlDatabase& db);

// Sets one field of the first row matching where; other matching rows stay as they are. When no
// row matches, the coach is told ("Failed Update") and nothing changes. True when a row changed.
// A failure is reported here, so inside a Transaction the whole save is then refused at commit.
bool PutDBData(const QString& tableName, const Where& where, const QString& fieldName, const QVariant& value);
bool PutDBData(const QString& tableName, const Where& where, const QString& fieldName, const QVariant& value,
               const QSqlDatabase& db);

// The next free number of fieldName among the rows matching where: the highest + 1, but never
// below floor + 1.
qint16 GetNextNo(const QString& fieldName, const QString& tableName, const Where& where, qint16 floor = 0);

QString NullToText(const QVariant& value);
qint16 NullToInt(const QVariant& value);

// Players of the team.
qint16 PlayerCount(qint16 teamNo);

// A player's display name: the nickname when there is one, otherwise the form chosen by the
// name option (the coach's NameOpt): 0 "Smith, Anna", 1 "Smith, A", 2 "Anna S.".
QString Makename(const QVariant& nickname, const QVariant& lastName, const QVariant& firstName, int nameOption);

}  // namespace pw
