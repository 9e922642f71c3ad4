// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Preferences pages need from the running program, filled in by the app. An empty member does
// nothing.

#include "dialogs/keys/ControlNames.h"

#include <QString>
#include <QStringList>
#include <functional>

struct Settings;

struct PreferencesHooks {
    std::function<void()> redecodePage;                // the current page decoded again (a new contrast)
    std::function<void()> rebuildScaledPage;           // the stretched page scaled again, then redrawn
    std::function<void()> redrawPage;                  // the page view painted again
    std::function<void(const QString& name)> loadSkin; // the skin `name` loaded, with its fall back
    std::function<void()> rebuildAccelerators;         // the key slots made the keyboard's
    std::function<void()> selectLanguage;              // run once the frame is gone
};

// What the frame and its pages work on. The settings outlive the frame.
struct PreferencesContext {
    Settings& settings;
    QStringList skinRoots; // the folders skins are looked for in, each ending in "/"
    PreferencesHooks hooks;
    ControlNames names; // of the key slots and the gesture choices
};

inline void RunHook(const std::function<void()>& hook)
{
    if (hook)
        hook();
}
