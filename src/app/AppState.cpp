#include "app/AppState.h"

namespace pw {

AppState& state()
{
    static AppState s;
    return s;
}

void resetState()
{
    state() = AppState{};
}

}  // namespace pw
