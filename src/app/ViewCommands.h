// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the page sits in the view: scrolling, zoom and the stretched view, by the keys, the menu, the
// gestures and the wheel. The commands among them are declared with the command table.

struct AppState;

// One wheel turn of `delta` (positive: away from the user) as `mousewheelact` says. Down is delta <= 0,
// except that zooming zooms in for delta >= 0.
void WheelTurned(AppState& state, int delta);

// A zoom change while the page is fitted turns the fitted view off, so the change shows at once.
void LeaveFittedViewForZoom(AppState& state);

// After `zoom` changed: the fitted view ends, the zoom slider follows, then the page view and the main
// window repaint.
void ZoomUpdate(AppState& state);

// Sets `rerenderPending` and starts the page view's 50 ms rebuild of the scaled page.
void ScheduleScaledPageRebuild(AppState& state);
