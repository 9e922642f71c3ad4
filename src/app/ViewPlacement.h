// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the page view sits inside the main window.

#include <QList>
#include <QRect>

// The skin's page area as left, top, right, bottom; a right or bottom of 0 or less counts from the
// window's right or bottom edge.
struct PageArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};

QRect PlacePageView(const PageArea& area, int wndwidth, int wndheight);

// The main window's rectangle from the stored placement. Hand-edited values are brought within what a
// window system can show (positions within ±32767, sizes 1..32767); the stored values stay as they are.
QRect MainWindowRect(int wndxpos, int wndypos, int wndwidth, int wndheight);

// The smallest window the skin is drawn for.
inline constexpr int kMinWindowWidth = 400;
inline constexpr int kMinWindowHeight = 150;

// A stored placement the window can be used at. A width below 400 or a height below 150 becomes the
// first-run size (600 x 430), at most the primary screen's; a window that would show less than 100 x 50
// pixels on every screen is centred on the primary screen. Anything else stays as it is.
QRect UsablePlacement(const QRect& stored, const QList<QRect>& screens, const QRect& primary);
