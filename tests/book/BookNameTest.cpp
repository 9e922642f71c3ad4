// SPDX-License-Identifier: GPL-3.0-or-later
// What a book's path tells: its kind by the extension, and its name in the page counter.

#include "book/BookKind.h"
#include "book/PageCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(BookKind, ExtensionIsTheLoweredTextAfterTheLastDotOfTheLastComponent)
{
    const struct {
        const char* path;
        const char* extension;
        BookKind kind;
    } cases[] = {
        {"/b/archive.CBZ", "cbz", BookKind::Zip},   {"/b/x.BDz", "bdz", BookKind::Zip},
        {"/b/x.RAR", "rar", BookKind::Rar},         {"/b/x/Page.JPG", "jpg", BookKind::Image},
        {"/b/x.tar.gz", "gz", BookKind::None},      {"/books/comic", "comic", BookKind::None}, // no dot: all of it
        {"/books.d/cbz", "cbz", BookKind::Zip},     {"/books/x.", "", BookKind::None},
        {"comic", "comic", BookKind::None},         {"/b/x.Cb7", "cb7", BookKind::SevenZipTar},
        {"/b/x.tar", "tar", BookKind::SevenZipTar}, {"/b/p.WebP", "webp", BookKind::Image},
        {"/b/p.jxl", "jxl", BookKind::Image},      {"/b/Comic.PDF", "pdf", BookKind::Pdf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BookFileExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(BookKindOfExtension(BookFileExtension(c.path)), c.kind) << c.path;
    }
}

TEST(PageCounter, NumbersFromOneWithTheBooksLastComponent)
{
    EXPECT_EQ(PageCounterText(2, 24, "/d/b.cbz"), "PAGE : 3/24 (b.cbz)");
    EXPECT_EQ(PageCounterText(4, 10, "/home/me/scans/"), "PAGE : 5/10 (scans/)");
    EXPECT_EQ(PageCounterText(0, 2, "/d/100%1.cbz"), "PAGE : 1/2 (100%1.cbz)");
    EXPECT_EQ(BookNameOf("/"), "/");
    EXPECT_EQ(BookNameOf("bare.cbz"), "bare.cbz");
}

} // namespace
