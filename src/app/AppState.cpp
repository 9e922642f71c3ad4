#include "app/AppState.h"

#include <cassert>

namespace {
AppState* g_state = nullptr;
}

AppState& appState()
{
    assert(g_state);
    return *g_state;
}

void setAppState(AppState* state)
{
    g_state = state;
}
