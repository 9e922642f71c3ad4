// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ViewPlacement.h"

#include <QtGlobal>

#include <cstdint>

QRect PlacePageView(const PageArea& area, int wndwidth, int wndheight)
{
    // A skin's numbers can be anything: the sums are taken wide, a page area that ends before it starts
    // is empty, and the result stays where a window system can place a child.
    constexpr std::int64_t kLimit = 32767;
    std::int64_t width = std::int64_t(area.right) - area.left;
    std::int64_t height = std::int64_t(area.bottom) - area.top;
    if (area.right <= 0)
        width += wndwidth;
    if (area.bottom <= 0)
        height += wndheight;
    return QRect(int(qBound(-kLimit, std::int64_t(area.left), kLimit)),
                 int(qBound(-kLimit, std::int64_t(area.top), kLimit)), int(qBound(std::int64_t(0), width, kLimit)),
                 int(qBound(std::int64_t(0), height, kLimit)));
}

QRect MainWindowRect(int wndxpos, int wndypos, int wndwidth, int wndheight)
{
    constexpr int kLimit = 32767;
    return QRect(qBound(-kLimit, wndxpos, kLimit), qBound(-kLimit, wndypos, kLimit), qBound(1, wndwidth, kLimit),
                 qBound(1, wndheight, kLimit));
}

QRect UsablePlacement(const QRect& stored, const QList<QRect>& screens, const QRect& primary)
{
    QRect placement = stored;
    if (placement.width() < kMinWindowWidth)
        placement.setWidth(qMax(kMinWindowWidth, qMin(600, primary.width())));
    if (placement.height() < kMinWindowHeight)
        placement.setHeight(qMax(kMinWindowHeight, qMin(430, primary.height())));
    for (const QRect& screen : screens) {
        const QRect shown = screen & placement;
        if (shown.width() >= 100 && shown.height() >= 50)
            return placement;
    }
    placement.moveCenter(primary.center());
    // A window larger than the screen keeps its top-left corner (and so its drag area) on it.
    placement.moveLeft(qMax(placement.left(), primary.left()));
    placement.moveTop(qMax(placement.top(), primary.top()));
    return placement;
}
