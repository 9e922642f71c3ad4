#pragma once
// An AppState for tests, with every setting at its default as a missing settings file gives them.

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/SettingsReader.h"

#include <QStringList>

inline void UseDefaultSettings(AppState& state)
{
    state.settings = ReadSettings(SettingsReader(), QString());
}

// The page list of `book` set to `names`, in the order given.
inline void SetPages(BookState& book, const QStringList& names)
{
    book.PageList.clear();
    for (const QString& name : names)
        book.PageList.append(MakePageName(name.toUtf8()));
}
