// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pw {

constexpr int kDefaultBackupsToKeep = 10;
constexpr int kMaxBackupsToKeep = 100;

// The settings the coach edits in the options dialog, typed, with the dialog's rules, so they can
// be read, checked and written without a window.
struct Options {
    QString mdbFile;
    qint16 NameOpt = 0;  // 0 "Smith, Anna", 1 "Smith, A", 2 "Anna S."
    QString EmailServer;
    QString EmailUser;
    QString EmailPassword;
    bool EmailDebug = false;
    // "Allow unencrypted connection": the password may go to a club server that offers no
    // encryption. Off unless the setting reads "1".
    bool EmailAllowPlain = false;
    QString TeamLogo;  // empty: no logo
    // Automatic backups kept beside the database, 1 to kMaxBackupsToKeep.
    int BackupsToKeep = kDefaultBackupsToKeep;

    // As stored; a missing text is empty, a name option outside 0..2 reads as 0.
    static Options read();
    // Writes every value; texts other than the password are trimmed.
    void write() const;
};

// "Backups to keep" as the program reads it, without writing a setting: the default when it is
// missing or not a number, at least 1 and at most kMaxBackupsToKeep.
int backupsToKeep();

// The database setting as the options dialog shows it: a server address with its password as
// ********, so that it never shows on screen.
QString maskedDatabaseSetting(const QString& setting);
// What to store for the text the coach left in that field: the original when it was not
// changed, and the original password in place of ******** when only other parts were.
QString unmaskedDatabaseSetting(const QString& edited, const QString& original);

// The setting EmailAllowPlain as the program reads it: true only for "1".
bool emailAllowPlainSetting();

struct OptionsProblem {
    enum class Field { Database, Password, Server, User };
    QString title;
    QString text;
    Field field = Field::Database;  // where the coach puts it right
};

// Why the options cannot be written as they are (no database, the password typed twice
// differently, a mail server that is no server address, a user name holding a control
// character), or nothing when they can.
std::optional<OptionsProblem> checkOptions(const Options& options, const QString& repeatedPassword);

}  // namespace pw
