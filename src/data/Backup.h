// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace pw {

// Why an automatic backup was made. It is part of the backup's file name, so the Restore window
// can say it without keeping a list of its own.
enum class BackupReason { Daily, DeleteTeam, DeleteTournament, DrillUpdate, Restore, Upgrade };

// What the coach reads for a reason: "Daily", "Before deleting a team", …
QString backupReasonText(BackupReason reason);

// One automatic backup in the Backups folder beside a database.
struct BackupEntry {
    QString path;
    QDateTime made;
    BackupReason reason = BackupReason::Daily;
    int sequence = 0;  // several made in the same second count up from 0
};

// What checkBackupFile found out about a file the coach picked.
struct BackupFileCheck {
    QString problem;  // why it cannot be restored; empty when it can
    int version = 0;  // its schema version
    bool ok() const { return problem.isEmpty(); }
};

// The open database is a SQLite file, which the program backs up itself. A database on the club's
// server is backed up there: every backup function below does nothing, and the commands say
// serverBackupText().
bool backupsApply();
QString serverBackupText();

// Writes a consistent copy of the open database to path while the program keeps running: what
// was last committed, whatever save is under way. The file at path is complete or not there,
// never half written, and a file already there is replaced only by a complete copy. False (and
// nothing written) when the database is on a server. Throws PwError.
bool backUpTo(const QString& path);

// Copies the Pitchwise database file databaseFile to out the same way, without the shared
// connection. Throws PwError.
void copyDatabaseFile(const QString& databaseFile, const QString& out);

// For the command line: 0 when the copy was written, otherwise non-zero with the reason in error.
int backupDatabaseFile(const QString& databaseFile, const QString& out, QString* error);

// Whether path is a Pitchwise database of a version this program reads, looked at on a read-only
// connection of its own: another kind of file, another program's database, a damaged one and one
// of a newer version are refused with the reason.
BackupFileCheck checkBackupFile(const QString& path);

// Replaces the open database by the backup at path: checks it, backs up the database as it is,
// closes the connection, puts the copy in place in one step, opens it again (bringing an older
// backup up to date) and tells every window to reload. False when the database is on a server.
// Throws PwError, leaving the database as it was.
bool restoreFrom(const QString& path);

// The Backups folder beside a database file.
QString backupFolder(const QString& databaseFile);

// An automatic backup of the open database (or of the SQLite file db) into its Backups folder,
// named by its date, time and reason, keeping the newest backupsToKeep(). Gives back the file
// made; empty when none was made: a database on a server or read-only, or a failure, which is
// logged, so the action it comes before still goes ahead.
QString autoBackup(BackupReason reason);
QString autoBackup(const QSqlDatabase& db, BackupReason reason);
// The backup at the first start of a day: made unless there is one of today already.
QString dailyBackup();

// The automatic backups of the open database (or of databaseFile), newest first.
QList<BackupEntry> listBackups();
QList<BackupEntry> listBackups(const QString& databaseFile);

}  // namespace pw
