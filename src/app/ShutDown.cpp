// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShutDown.h"

#include "app/AppState.h"
#include "app/BookHistory.h"
#include "app/ExtractionProgress.h"
#include "app/SettingsFile.h"
#include "app/WorkDir.h"
#include "book/Preload.h"
#include "dialogs/preferences/PreferencesFrame.h"
#include "view/SmoothScroll.h"

#include <QCoreApplication>
#include <QDir>

void PostQuit(int code)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}

void ShutDown(AppState& state)
{
    if (state.shutDown)
        return;
    state.shutDown = true;
    CloseHistory(state); // the page read last, before the book goes
    ReleaseLanguage(state.language);
    // No timer may run into the records released below, and no decode may outlive the book.
    CancelPreload(state.preload, state.book);
    StopExtraction(state); // nothing may still be writing into WorkDir when it goes
    StopSmoothScroll(state.navigation);
    if (state.preferences) {
        // Gone later, not now: the end may come from inside the window (a message box it shows, a signal).
        state.preferences->hide();
        state.preferences->deleteLater();
    }
    state.accelTable = {};
    QDir::setCurrent(state.paths.ExeDir);
    RemoveWorkDir(state.paths);
    state.book.PageList.clear();
    WriteSettings(state.paths.settingsFile, state.settings,
                  {state.book.BookPath, state.book.pageIndex, state.book.scrollX, state.book.scrollY});
    state.book.current.reset();
    DiscardPreloadedPage(state.preload, state.book);
    PostQuit(0);
}
