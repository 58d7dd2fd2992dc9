// SPDX-License-Identifier: GPL-3.0-or-later
// Backs up the database file named first to the file named second, as the command line does, so
// that a test can kill a backup half way: "backup_child DATABASE OUT".
#include "data/Backup.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: backup_child DATABASE OUT\n");
        return 2;
    }
    QString error;
    const int result = pw::backupDatabaseFile(args.at(1), args.at(2), &error);
    if (result != 0)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return result;
}
