#include "app/ViewPlacement.h"

#include <QtGlobal>

QRect PlacePageView(const PageArea& area, int wndwidth, int wndheight)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (area.right <= 0)
        width += wndwidth;
    if (area.bottom <= 0)
        height += wndheight;
    return QRect(area.left, area.top, width, height);
}

QRect MainWindowRect(int wndxpos, int wndypos, int wndwidth, int wndheight)
{
    constexpr int kLimit = 32767;
    return QRect(qBound(-kLimit, wndxpos, kLimit), qBound(-kLimit, wndypos, kLimit), qBound(1, wndwidth, kLimit),
                 qBound(1, wndheight, kLimit));
}
