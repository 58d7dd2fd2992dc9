// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pw {

// "Brantworks/Data" under the coach's home folder.
QString defaultDataFolder();

// The first-run questions: asks whether to go on, then where the data should live, then for
// the e-mail account, and builds the database. True when a database is ready and recorded in the
// settings; false when the coach declined or cancelled (nothing is left on disk then).
bool CreateNewInstall();
bool CreateDBFile();

// The questions of CreateDBFile. Returns the database chosen, or nothing when the coach cancelled;
// built tells whether it was made now or an existing one was taken. With record false the
// settings are left alone (a test run must not change them).
struct ChosenDatabase {
    QString path;
    bool built = false;
};
std::optional<ChosenDatabase> askForDatabase(bool record);

// Makes folder and each missing folder above it, one level at a time, appending every folder it
// made to created (outermost first). On failure returns false with a reason.
bool makeFolderLevels(const QString& folder, QStringList* created, QString* error);
// Removes the folders made by makeFolderLevels, innermost first, as long as they are empty.
void removeFolders(const QStringList& created);

}  // namespace pw
