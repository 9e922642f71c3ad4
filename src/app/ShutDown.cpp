#include "app/ShutDown.h"

#include "app/AppState.h"
#include "app/WorkDir.h"

#include <QCoreApplication>
#include <QDir>

void PostQuit(int code)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [code] { QCoreApplication::exit(code); },
                              Qt::QueuedConnection);
}

void ShutDown(AppState& state)
{
    if (state.shutDown)
        return;
    state.shutDown = true;
    state.accelTable = {};
    QDir::setCurrent(state.paths.ExeDir);
    RemoveWorkDir(state.paths);
    state.book.PageList.clear();
    WriteSettings(state.paths.settingsFile, state.settings,
                  {state.book.BookPath, state.book.pageIndex, state.book.scrollX, state.book.scrollY});
    state.book.current.reset();
    state.book.preloaded.reset();
    PostQuit(0);
}
