// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messaging/GameNotes.h"

#include "common/Desktop.h"
#include "common/Prompter.h"
#include "common/Trace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace pw {

namespace {

// The translation context of the messaging texts.
struct Messaging {
    Q_DECLARE_TR_FUNCTIONS(Messaging)
};

}  // namespace

QString gameNotesPath(const QString& dataFolder, qint16 teamNo, qint16 gameNo)
{
    return QDir(dataFolder).filePath(QStringLiteral("GameNotes/Team%1Game%2.txt").arg(teamNo).arg(gameNo));
}

bool OpenGameNotes(const QString& dataFolder, qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("OpenGameNotes"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("GameNo"), gameNo));
    const QString path = gameNotesPath(dataFolder, teamNo, gameNo);
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!makePrivatePath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            prompter().message(
                Messaging::tr("Game Notes"),
                Messaging::tr("The notes file for this game could not be made:\n%1\n\nCheck that the data folder "
                              "exists and that you may write to it.")
                    .arg(QDir::toNativeSeparators(path)),
                Prompter::Icon::Critical);
            return false;
        }
        file.close();
        makePrivateFile(path);
    }
    if (!desktop().openFile(path)) {
        prompter().message(Messaging::tr("Game Notes"),
                           Messaging::tr("No program could be started to open the game's notes:\n%1")
                               .arg(QDir::toNativeSeparators(path)),
                           Prompter::Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace pw
