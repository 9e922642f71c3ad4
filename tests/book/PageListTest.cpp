// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a book: the scan of its folder, their reading order, and the list read like a list of
// names. (A folder that can't be listed or holds no pages is no book; OpenBookTest has those.)

#include "book/PageList.h"
#include "book/ArchiveBook.h"
#include "book/PageDirectory.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// The page names in their order, joined by '|'.
std::string joinedNames(const PageNameList& pages)
{
    QStringList names;
    for (const PageName& page : pages.pages())
        names << page.name;
    return names.join(u'|').toStdString();
}

// Every entry whose lowered name holds a page extension anywhere (files, folders, links), by the name
// it has on disk, in reading order: byte by byte on the lowered names, bytes read as signed, with no
// numeric awareness, a name that starts another first, and names lowered alike by their real bytes.
TEST(PageList, AFolderListsItsPageNamesInByteWiseOrder)
{
    ScratchDir dir;
    for (const char* name :
         {"B.png",      "a10.png",    "a.png",      "A.png",      "a2.png",     "-cover.jpg",    "(1).jpg",
          " space.jpg", "Page_B.jpg", "PAGE_a.jpg", "page^.jpg",  "pagea.jpg",  "pa.jpg",        "p\xc3\xa9.jpg",
          "p0.jpg",     "x.jpg.jpg",  "x.jpg",      "x.jpgz.png", "Story.JPEG", "notes.jpg.txt", "readme.txt",
          "y.bmp",      ".gif",       "tiff.tiff",  "jpg",        "b.jpg~"})
        dir.write(QString::fromUtf8(name), "x");
    QDir().mkpath(dir.file("c.gif"));                                    // listed; fails to decode when shown
    dir.write("inner/d.png", "x");                                       // sub-folders' pages belong to no book
    ASSERT_TRUE(QFile::link(dir.file("y.bmp"), dir.file("linked.GIF"))); // a link counts as its target
    const std::optional<PageNameList> pages = ScanPageDirectory(dir.path());
    ASSERT_TRUE(pages);
    EXPECT_EQ(joinedNames(*pages),
              " space.jpg|(1).jpg|-cover.jpg|.gif|A.png|a.png|a10.png|a2.png|b.jpg~|"
              "B.png|c.gif|linked.GIF|notes.jpg.txt|p\xc3\xa9.jpg|p0.jpg|pa.jpg|"
              "page^.jpg|PAGE_a.jpg|Page_B.jpg|pagea.jpg|Story.JPEG|x.jpg|x.jpg.jpg|"
              "x.jpgz.png|y.bmp");
    EXPECT_FALSE(IsPageName("a.JPG")) << "the caller lowers first";
}

TEST(PageList, KeepsTheRealNameAndLowersOnlyAToZ)
{
    // Other bytes, UTF-8 included, stay as they are.
    const PageName page = MakePageName("\xc3\x89T\xc3\x89.PNG");
    EXPECT_EQ(page.name, QString::fromUtf8("\xc3\x89T\xc3\x89.PNG"));
    EXPECT_EQ(page.lowered, "\xc3\x89t\xc3\x89.png");
    PageNameList list{"B.png"};
    list << "C.JPG";
    EXPECT_EQ(list.lowered(1), "c.jpg");
    for (int outside : {-1, 2})
        EXPECT_TRUE(list.item(outside).isEmpty() && list.lowered(outside).isEmpty()) << outside;
}

// Digit runs as numbers, case-free, and still a total order: names equal as numbers ("01" and "1") and
// names lowered alike go byte-wise, so no two names tie and the directory's order never shows.
TEST(PageList, NaturalOrderReadsDigitRunsAsNumbers)
{
    ScratchDir dir;
    const char* shuffled[] = {"10.jpg", "p10.jpg", "P9a.jpg", "2.jpg", "01.jpg", "1.jpg", "P9.jpg", "p9.jpg",
                              "a.jpg",  "100000000000000000000001.png", "99999999999999999999.png", "1b.jpg",
                              "1a.jpg", "-1.jpg"};
    for (const char* name : shuffled)
        dir.write(QString::fromUtf8(name), "x");
    const std::optional<PageNameList> pages = ScanPageDirectory(dir.path(), PageOrder::Natural);
    ASSERT_TRUE(pages);
    EXPECT_EQ(joinedNames(*pages),
              "-1.jpg|01.jpg|1.jpg|1a.jpg|1b.jpg|2.jpg|10.jpg|99999999999999999999.png|"
              "100000000000000000000001.png|a.jpg|P9.jpg|p9.jpg|P9a.jpg|p10.jpg");

    EXPECT_EQ(CompareNaturalNames("p007", "p7"), 0) << "equal numbers leave the tie to the byte order";
    EXPECT_LT(CompareNaturalNames("p7", "p7x"), 0);
    EXPECT_TRUE(PageNameBefore("p007", "p007", "p7", "p7", PageOrder::Natural));
    EXPECT_TRUE(PageNameBefore("p10", "p10", "p9", "p9", PageOrder::Bytes));

    // An archive's pages are put in the same order, folder by folder, each keeping its file; the other
    // files stay last.
    ArchiveBookPlan plan;
    SetBookFiles(plan, {{"10.jpg", 0, "b/10.jpg"}, {"info.bdi", 1, "info.bdi"}, {"9.jpg", 2, "b/9.jpg"},
                        {"P2.jpg", 3, "a/P2.jpg"}});
    OrderBookPages(plan, PageOrder::Natural);
    QStringList planned;
    for (std::int32_t k = 0; k < plan.pages.count(); ++k)
        planned << plan.pages.item(k) + u'=' + QString::fromUtf8(plan.files[size_t(k)].bareName);
    EXPECT_EQ(planned, QStringList({"P2.jpg=P2.jpg", "9.jpg=9.jpg", "10.jpg=10.jpg"}));
    EXPECT_EQ(plan.files.back().bareName, "info.bdi");
}

} // namespace
