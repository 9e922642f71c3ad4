#pragma once
// Where the page view sits inside the main window.

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
