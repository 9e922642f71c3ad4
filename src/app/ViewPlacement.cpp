#include "app/ViewPlacement.h"

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
