// SPDX-License-Identifier: GPL-3.0-or-later
// The manga flag of a book's ComicInfo.xml: only a whole document saying YesAndRightToLeft counts.

#include "book/ComicInfo.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ComicInfo, OnlyAWholeDocumentSayingRightToLeftCounts)
{
    const QByteArray head = "<?xml version=\"1.0\"?>\n<ComicInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
    const struct {
        QByteArray xml;
        bool rightToLeft;
    } cases[] = {
        {head + "<Title>A</Title><Manga>YesAndRightToLeft</Manga></ComicInfo>", true},
        {head + "<Manga> YesAndRightToLeft </Manga></ComicInfo>", true},
        {head + "<Manga>Yes</Manga></ComicInfo>", false},
        {head + "<Manga>No</Manga></ComicInfo>", false},
        {head + "<Manga>YesAndRightToLeft</Manga>", false},             // never closed
        {head + "<Manga>YesAndRightToLeft</Manga></ComicInfo><x", false}, // junk after
        {QByteArray("<Other><Manga>YesAndRightToLeft</Manga></Other>"), false},
        {QByteArray(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComicInfoReadsRightToLeft(c.xml), c.rightToLeft) << c.xml.toStdString();

    ScratchDir dir;
    EXPECT_FALSE(BookReadsRightToLeft(dir.path())) << "no file";
    const QByteArray xml = head + "<Manga>YesAndRightToLeft</Manga></ComicInfo>";
    dir.write(kComicInfoName, xml);
    EXPECT_TRUE(BookReadsRightToLeft(dir.path()));
    dir.write(kComicInfoName, xml + QByteArray(kComicInfoLimit, ' '));
    EXPECT_FALSE(BookReadsRightToLeft(dir.path())) << "too large to be read";
}

} // namespace
