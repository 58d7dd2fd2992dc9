#include "common/AppState.h"

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

void resetState()
{
    state() = AppState{};
    selection().clear();
}

}  // namespace pw
