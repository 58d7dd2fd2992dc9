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

QString toolProgram(const QString& baseName)
{
    QString dir = qEnvironmentVariable("PW_TOOLS_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
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
