// SPDX-License-Identifier: GPL-3.0-or-later
// Two pages joined for the two-page view: the shorter scaled to the taller's height, no gap, the order
// chosen, and a half turn of the whole.

#include "image/PairImage.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

PageImage plain(QSize size, int grey)
{
    PageImage page;
    page.pixels = QImage(size, QImage::Format_RGB32);
    page.pixels.fill(QColor(grey, grey, grey));
    return page;
}

TEST(PairImage, JoinsSideBySideAtOneHeight)
{
    PageImage first = plain({3, 4}, 10);
    JoinPair(first, plain({2, 2}, 200), false);
    ASSERT_EQ(first.pixels.size(), QSize(7, 4)) << "the short page doubled to 4 x 4";
    EXPECT_EQ(first.pixels.format(), QImage::Format_RGB32);
    EXPECT_EQ(std::pair(qRed(first.pixels.pixel(2, 3)), qRed(first.pixels.pixel(3, 3))), std::pair(10, 200));
    PageImage manga = plain({3, 4}, 10);
    JoinPair(manga, plain({3, 4}, 200), true);
    EXPECT_EQ(std::pair(qRed(manga.pixels.pixel(0, 0)), qRed(manga.pixels.pixel(5, 0))), std::pair(200, 10));
    TurnHalfway(manga);
    EXPECT_EQ(std::pair(qRed(manga.pixels.pixel(0, 0)), qRed(manga.pixels.pixel(5, 0))), std::pair(10, 200));
    PageImage broken;
    JoinPair(broken, plain({3, 4}, 50), false);
    EXPECT_EQ(broken.pixels.size(), QSize(3, 4)) << "a page that failed leaves the other alone";
    EXPECT_TRUE(IsWidePage(plain({5, 4}, 0)));
    EXPECT_FALSE(IsWidePage(plain({4, 4}, 0)));
}

} // namespace
