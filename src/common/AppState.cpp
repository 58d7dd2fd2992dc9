#include "common/AppState.h"

#include "common/Selection.h"

#include <QCoreApplication>
#include <QDir>

namespace pw {

AppState& state()
{
    static AppState s;
    return s;
}

QString programVersion()
{
    return QStringLiteral("%1.%2.%3").arg(PW_VERSION_MAJOR).arg(PW_VERSION_MINOR).arg(PW_VERSION_PATCH);
}

namespace {

QString& toolFolder()
{
    static QString folder;
    return folder;
}

}  // namespace

void setToolFolder(const QString& folder)
{
    toolFolder() = folder;
}

QString toolProgram(const QString& baseName)
{
    const QString dir = toolFolder().isEmpty() ? QCoreApplication::applicationDirPath() : toolFolder();
#ifdef Q_OS_WIN
    const QString name = baseName + QStringLiteral(".exe");
#else
    const QString& name = baseName;
#endif
    return QDir(dir).filePath(name);
}

void resetState()
{
    state() = AppState{};
    selection().clear();
}

}  // namespace pw
