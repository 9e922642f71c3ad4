#pragma once
// Every user command ends here: command ids from the key slots and the popup menu, action words from
// skin buttons, and the mouse-action codes of the page view's gestures.

#include <QStringView>
#include <cstdint>

struct AppState;

// The command ids of the key slots (slot i sends i + 1) and of the window menu's About item.
// Any other id does nothing.
void RunCommand(AppState& state, int commandId);
inline constexpr int kAboutCommand = 1019;

// Performs one action word ("close", "foward", "opendir" ...); a word that matches none does nothing.
void RunAction(AppState& state, QStringView word);

// The mouse-action codes: 0 next page, 1 previous page, 2 popup menu, 3 stretched view on or off,
// 4 full screen. Any other code does nothing (smooth scrolling still stops).
void RunMouseAction(AppState& state, int code);

// Sets `zoom` (0..100) and updates what follows it.
void SetZoom(AppState& state, int zoom);

// The stretched view on or off; turned on, the scaled page is rebuilt.
void ToggleStretched(AppState& state);

// One wheel turn of `delta` (positive: away from the user) as `mousewheelact` says. Down is delta <= 0,
// except that zooming zooms in for delta >= 0.
void WheelTurned(AppState& state, int delta);

// After `zoom` changed: the zoom slider follows, then the page view and the main window repaint.
void ZoomUpdate(AppState& state);

// Sets `rerenderPending` and starts the page view's 50 ms rebuild of the scaled page.
void ScheduleScaledPageRebuild(AppState& state);

// The About box.
void ShowAbout(AppState& state);
