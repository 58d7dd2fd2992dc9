// SPDX-License-Identifier: GPL-3.0-or-later
// pwrelease: signs the version file of a Pitchwise release with the club's release key.
//
//   pwrelease new-key KEYFILE              make a key: secret half to KEYFILE, public half printed
//   pwrelease public-key KEYFILE           print the public half of the key in KEYFILE
//   pwrelease sign KEYFILE VERSIONFILE     sign a version file in place
//   pwrelease make KEYFILE VERSION FOLDER  write FOLDER/PitchwiseVersion.txt for the files in
//                                          FOLDER, signed
//
// The secret half is 64 hex digits on one line; keep it off the update server, readable by you
// only. The public half goes into the build (-DPW_RELEASE_PUBLIC_KEY=...), and the program then
// takes only updates whose version file that key signed.
#include "core/update/ReleaseList.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace {

enum Exit { Done = 0, Failed = 1, Usage = 2 };

const QString kVersionFile = QStringLiteral("PitchwiseVersion.txt");

int fail(const QString& text)
{
    std::fprintf(stderr, "pwrelease: %s\n", text.toLocal8Bit().constData());
    return Failed;
}

int usage()
{
    std::fprintf(stderr, "usage: pwrelease new-key KEYFILE\n"
                         "       pwrelease public-key KEYFILE\n"
                         "       pwrelease sign KEYFILE VERSIONFILE\n"
                         "       pwrelease make KEYFILE VERSION FOLDER\n");
    return Usage;
}

// The secret key in path, or why it cannot be used.
QByteArray readKey(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return {};
    }
#ifdef Q_OS_UNIX
    // A key others can read is no longer the club's alone.
    if (file.permissions() &
        (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther)) {
        *problem = QStringLiteral("%1 can be read or changed by other users; make it yours only (chmod 600)").arg(path);
        return {};
    }
#endif
    const QByteArray key = pw::bytesFromHex(file.read(1024), pw::release::kKeySize);
    if (key.isEmpty())
        *problem = QStringLiteral("%1 holds no release key (64 hex digits)").arg(path);
    return key;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* problem)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *problem = QStringLiteral("%1 could not be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// The version file's text without its signature, refused where it is not a list the program
// would use as intended: a version number first, then sha256sum lines only.
QByteArray checkedContent(const QByteArray& bytes, QString* problem)
{
    const pw::ReleaseList list = pw::readReleaseList(bytes);
    if (!list.problem.isEmpty()) {
        *problem = list.problem;
        return {};
    }
    if (!pw::parseVersion(list.version)) {
        *problem =
            QStringLiteral("the first line \"%1\" is no version number (major.minor.revision)").arg(list.version);
        return {};
    }
    const QStringList lines = QString::fromUtf8(list.content).split(QRegularExpression(QStringLiteral("\r?\n")));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).trimmed().isEmpty() && pw::readSums({lines.at(i)}).isEmpty()) {
            *problem = QStringLiteral("line %1 is not \"<sha256>  <file name>\": %2").arg(i + 1).arg(lines.at(i));
            return {};
        }
    }
    if (list.sums.isEmpty()) {
        *problem = QStringLiteral("it lists no file");
        return {};
    }
    return list.content;
}

int sign(const QByteArray& key, const QString& path, const QByteArray& bytes)
{
    QString problem;
    const QByteArray content = checkedContent(bytes, &problem);
    if (content.isEmpty())
        return fail(QStringLiteral("%1 was not signed: %2").arg(path, problem));
    const QByteArray signedList = pw::signReleaseList(content, key);
    if (signedList.isEmpty())
        return fail(QStringLiteral("%1 could not be signed").arg(path));
    if (!writeFile(path, signedList, &problem))
        return fail(problem);
    const pw::ReleaseList list = pw::readReleaseList(content);
    std::printf("Signed %s: version %s, %d files\n", qPrintable(path), qPrintable(list.version), int(list.sums.size()));
    return Done;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    QString problem;

    if (command == QLatin1String("new-key") && args.size() == 2) {
        const QByteArray key = pw::newReleaseKey();
        const QByteArray publicKey = pw::releasePublicKey(key);
        if (key.isEmpty() || publicKey.isEmpty())
            return fail(QStringLiteral("no key could be made"));
        QFile file(args.at(1));
        // Never over an existing key: a lost secret half cannot sign for the programs out there.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return fail(QStringLiteral("%1 could not be made (an existing key is never replaced): %2")
                            .arg(args.at(1), file.errorString()));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (file.write(key.toHex() + '\n') < 0 || !file.flush())
            return fail(QStringLiteral("%1 could not be written: %2").arg(args.at(1), file.errorString()));
        std::printf("%s\n", publicKey.toHex().constData());
        return Done;
    }
    if (command == QLatin1String("public-key") && args.size() == 2) {
        const QByteArray key = readKey(args.at(1), &problem);
        if (key.isEmpty())
            return fail(problem);
        std::printf("%s\n", pw::releasePublicKey(key).toHex().constData());
        return Done;
    }
    if (command == QLatin1String("sign") && args.size() == 3) {
        const QByteArray key = readKey(args.at(1), &problem);
        if (key.isEmpty())
            return fail(problem);
        QFile file(args.at(2));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1 cannot be read: %2").arg(args.at(2), file.errorString()));
        return sign(key, args.at(2), file.readAll());
    }
    if (command == QLatin1String("make") && args.size() == 4) {
        const QByteArray key = readKey(args.at(1), &problem);
        if (key.isEmpty())
            return fail(problem);
        if (!pw::parseVersion(args.at(2)))
            return fail(QStringLiteral("\"%1\" is no version number (major.minor.revision)").arg(args.at(2)));
        // Every plain file of the release folder, by name: the program, its updater and its
        // settings, the drills, whatever the release holds.
        const QDir dir(args.at(3));
        QByteArray content = args.at(2).toUtf8() + '\n';
        for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name)) {
            if (f.fileName() == kVersionFile || f.fileName().endsWith(QLatin1String(".part")))
                continue;
            QFile file(f.absoluteFilePath());
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
                return fail(QStringLiteral("%1 cannot be read: %2").arg(f.absoluteFilePath(), file.errorString()));
            content += hash.result().toHex() + "  " + f.fileName().toUtf8() + '\n';
        }
        return sign(key, dir.filePath(kVersionFile), content);
    }
    return usage();
}
