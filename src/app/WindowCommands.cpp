// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window itself: quit, minimise, full screen and the About box.

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/ShutDown.h"
#include "app/ViewCommands.h"
#include "common/ShowMessage.h"

void QuitProgram(AppState& state)
{
    ShutDown(state);
}

void MinimizeWindow(AppState& state)
{
    if (state.windows.main)
        state.windows.main->showMinimized();
}

void ToggleFullscreen(AppState& state)
{
    if (MainWindow* main = MainWindowOf(state.windows)) {
        if (state.view.fullscreen)
            main->leaveFullScreen();
        else
            main->enterFullScreen();
    } else {
        state.view.fullscreen = !state.view.fullscreen;
    }
    if (state.view.stretched)
        ScheduleScaledPageRebuild(state);
}

void LeaveFullscreen(AppState& state)
{
    if (state.view.fullscreen)
        ToggleFullscreen(state);
}

void ShowAbout(AppState& state)
{
    ShowMessage(
        QStringLiteral("Bullevista " BV_VERSION "\r\n"
                       "Page images by libjpeg-turbo, libpng, giflib, libwebp, libavif and libjxl; archives by minizip "
                       "and libarchive.\r\n"
                       "Bullevista is free software under the GNU General Public License, version 3 or later."),
        QStringLiteral("About..."), state.windows.main, MessageIcon::Information);
}
