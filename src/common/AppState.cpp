// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppState.h"

#include "common/AppPaths.h"
#include "common/Selection.h"

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

void setToolFolder(const QString& folder)
{
    setHelperFolder(folder);
}

QString toolProgram(const QString& baseName)
{
    return helperProgram(baseName);
}

void resetState()
{
    state() = AppState{};
    selection().clear();
}

}  // namespace pw
