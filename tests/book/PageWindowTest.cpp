// SPDX-License-Identifier: GPL-3.0-or-later
// The window of pages kept made around the page read: the order they are made in and which go.

#include "book/PageWindow.h"

#include <gtest/gtest.h>

namespace {
using W = FileWrite;

std::vector<std::size_t> order(std::vector<FileWrite> files, std::size_t cursor, const PageWindow& window,
                               std::vector<bool> stale = {})
{
    std::vector<std::size_t> made;
    while (const std::optional<std::size_t> k = NextFileInWindow(files, stale, cursor, std::nullopt, window)) {
        made.push_back(*k);
        files[*k] = W::Written;
        if (*k < stale.size())
            stale[*k] = false;
    }
    return made;
}
} // namespace

TEST(PageWindow, ThePageReadThenTheOnesAfterThenBeforeThenTheOtherFiles)
{
    const PageWindow window{.pages = 20, .ahead = 3, .behind = 2, .kept = 8};
    std::vector<FileWrite> files(21, W::Pending); // 20 pages and an info file
    EXPECT_EQ(order(files, 10, window), (std::vector<std::size_t>{10, 11, 12, 13, 9, 8, 20}));
    EXPECT_EQ(order(files, 0, window), (std::vector<std::size_t>{0, 1, 2, 3, 20}));
    EXPECT_EQ(order(files, 19, window), (std::vector<std::size_t>{19, 18, 17, 20}));
    // A page asked for goes first; a page made for an older view is made again, one written stays.
    files[12] = W::Written;
    files[11] = W::Written;
    EXPECT_EQ(NextFileInWindow(files, {}, 10, std::size_t(3), window), 3u);
    std::vector<bool> stale(21, false);
    stale[11] = true;
    EXPECT_EQ(order(files, 10, window, stale), (std::vector<std::size_t>{10, 11, 13, 9, 8, 20}));
    // The pages near the one browsed come last, nearest first.
    std::vector<FileWrite> few(21, W::Written);
    few[2] = few[5] = few[6] = few[19] = W::Pending;
    const PageWindow narrow{.pages = 20, .ahead = 3, .behind = 2, .browsed = 1};
    EXPECT_EQ(NextFileInWindow(few, {}, 18, std::nullopt, narrow, 4), 19u);
    few[19] = W::Written;
    EXPECT_EQ(NextFileInWindow(few, {}, 18, std::nullopt, narrow, 4), 5u);
    few[5] = W::Written;
    EXPECT_EQ(NextFileInWindow(few, {}, 18, std::nullopt, narrow, 4), std::nullopt) << "pages 2 and 6 are too far";
    files[5] = W::Failed; // never tried again
    EXPECT_EQ(order(files, 6, window), (std::vector<std::size_t>{6, 7, 8, 9, 4, 20}));
}

TEST(PageWindow, NoMoreThanTheKeptPagesStayTheFarthestGoingFirst)
{
    const PageWindow window{.pages = 30, .ahead = 2, .behind = 1, .kept = 4};
    std::vector<FileWrite> files(31, W::Pending);
    for (std::size_t k : {0u, 1u, 2u, 14u, 15u})
        files[k] = W::Written;
    files[30] = W::Written; // not a page: never counted, never removed
    EXPECT_EQ(PageToEvict(files, {}, 15, window), 0u);
    files[0] = W::Pending;
    EXPECT_EQ(PageToEvict(files, {}, 15, window), std::nullopt);
    // Inside the window nothing goes, however many there are; a stale page goes before a far one.
    for (std::size_t k = 13; k <= 17; ++k)
        files[k] = W::Written;
    EXPECT_EQ(PageToEvict(files, {}, 15, window), 1u);
    std::vector<bool> stale(31, false);
    stale[2] = true;
    EXPECT_EQ(PageToEvict(files, stale, 15, window), 2u);
    files[1] = files[2] = W::Pending;
    EXPECT_EQ(PageToEvict(files, {}, 15, window), 13u);
}
