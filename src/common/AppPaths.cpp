// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pw {

namespace {

QString& helperFolder()
{
    static QString folder;
    return folder;
}

QString& dataFolder()
{
    static QString folder;
    return folder;
}

// <programFolder>/../<installed>/<relative> when that exists, else <programFolder>/<relative>.
QString installedOrBeside(const QString& programFolder, const QString& installed, const QString& relative)
{
    const QString there =
        QDir::cleanPath(programFolder + QStringLiteral("/../") + installed + QLatin1Char('/') + relative);
    if (QFileInfo::exists(there))
        return there;
    return QDir::cleanPath(programFolder + QLatin1Char('/') + relative);
}

QString programFileName(const QString& baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

const QString kShareFolder = QStringLiteral("share/pitchwise");
const QString kHelperFolder = QStringLiteral("libexec/pitchwise");
// Written only into the system package (cmake/PwInstall.cmake), never by `cmake --install` alone.
const QString kPackageMarker = QStringLiteral("packaged");

}  // namespace

QString dataPath(const QString& programFolder, const QString& relative)
{
    return installedOrBeside(programFolder, kShareFolder, relative);
}

QString dataPath(const QString& relative)
{
    if (!dataFolder().isEmpty())
        return QDir::cleanPath(dataFolder() + QLatin1Char('/') + relative);
    return dataPath(QCoreApplication::applicationDirPath(), relative);
}

void setDataFolder(const QString& folder)
{
    dataFolder() = folder;
}

QString helperProgram(const QString& programFolder, const QString& name)
{
    return installedOrBeside(programFolder, kHelperFolder, programFileName(name));
}

QString helperProgram(const QString& name)
{
    if (!helperFolder().isEmpty())
        return QDir(helperFolder()).filePath(programFileName(name));
    return helperProgram(QCoreApplication::applicationDirPath(), name);
}

void setHelperFolder(const QString& folder)
{
    helperFolder() = folder;
}

bool runsFromSystemPackage(const QString& programFolder)
{
    return QFileInfo::exists(
        QDir::cleanPath(programFolder + QStringLiteral("/../") + kShareFolder + QLatin1Char('/') + kPackageMarker));
}

bool runsFromSystemPackage()
{
    return runsFromSystemPackage(QCoreApplication::applicationDirPath());
}

}  // namespace pw
