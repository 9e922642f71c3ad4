#pragma once
// Where the page view sits inside the main window.

#include <QRect>

// The skin's page area as left, top, right, bottom; a right or bottom of 0 or less counts from the
// window's right or bottom edge.
struct PageArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};

QRect PlacePageView(const PageArea& area, int wndwidth, int wndheight);
