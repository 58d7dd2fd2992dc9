// SPDX-License-Identifier: GPL-3.0-or-later
// pw_seedgen DRILLS.json OUT.db — writes the seed database: the program's tables plus the
// built-in drills. The output appears only when complete.
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Schema.h"
#include "data/SeedLibrary.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: pw_seedgen DRILLS.json OUT.db\n");
        return 2;
    }
    const QString out = args.at(2);
    const QString partial = out + QStringLiteral(".partial");
    QFile::remove(partial);
    int drills = 0;
    try {
        pw::DbLocation loc;
        loc.path = partial;
        {
            QSqlDatabase db = pw::openDatabase(loc, QStringLiteral("seed"));
            pw::Transaction tx(db);
            pw::createSchema(db);
            tx.commit();
            drills = pw::loadDrillLibrary(args.at(1), db);
        }
        pw::closeDatabase(QStringLiteral("seed"));
    } catch (const pw::PwError& e) {
        pw::closeDatabase(QStringLiteral("seed"));
        QFile::remove(partial);
        std::fprintf(stderr, "pw_seedgen: %s\n", e.what());
        return 1;
    }
    QFile::remove(out);
    if (!QFile::rename(partial, out)) {
        std::fprintf(stderr, "pw_seedgen: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("pw_seedgen: %d drills written to %s\n", drills, qPrintable(out));
    return 0;
}
