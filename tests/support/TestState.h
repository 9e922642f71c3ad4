#pragma once
// An AppState for tests, with every setting at its default as a missing settings file gives them.

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/SettingsReader.h"

inline void UseDefaultSettings(AppState& state)
{
    state.settings = ReadSettings(SettingsReader(), QString());
}
