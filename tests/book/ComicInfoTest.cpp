// SPDX-License-Identifier: GPL-3.0-or-later
// The manga flag of a book's ComicInfo.xml: only a whole document saying YesAndRightToLeft counts.

#include "book/ComicInfo.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ComicInfo, OnlyAWholeDocumentSayingRightToLeftCounts)
{
    const char* head = "<?xml version=\"1.0\"?>\n<ComicInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
    const struct {
        std::string xml;
        bool rightToLeft;
    } cases[] = {
        {std::string(head) + "<Title>A</Title><Manga>YesAndRightToLeft</Manga></ComicInfo>", true},
        {std::string(head) + "<Manga> YesAndRightToLeft </Manga></ComicInfo>", true},
        {std::string(head) + "<Manga>Yes</Manga></ComicInfo>", false},
        {std::string(head) + "<Manga>No</Manga></ComicInfo>", false},
        {std::string(head) + "<Manga>YesAndRightToLeft</Manga>", false},             // never closed
        {std::string(head) + "<Manga>YesAndRightToLeft</Manga></ComicInfo><x", false}, // junk after
        {"<Other><Manga>YesAndRightToLeft</Manga></Other>", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComicInfoReadsRightToLeft(QByteArray::fromStdString(c.xml)), c.rightToLeft) << c.xml;

    ScratchDir dir;
    EXPECT_FALSE(BookReadsRightToLeft(dir.path())) << "no file";
    const QByteArray xml = QByteArray(head) + "<Manga>YesAndRightToLeft</Manga></ComicInfo>";
    dir.write(kComicInfoName, xml);
    EXPECT_TRUE(BookReadsRightToLeft(dir.path()));
    dir.write(kComicInfoName, xml + QByteArray(kComicInfoLimit, ' '));
    EXPECT_FALSE(BookReadsRightToLeft(dir.path())) << "too large to be read";
}

} // namespace
