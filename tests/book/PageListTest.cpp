// The pages of a book: which names are pages, their reading order, the list read like a list of names,
// and the scan of a book folder. (A folder that can't be listed or holds no pages is no book;
// OpenBookTest has those.)

#include "book/PageDirectory.h"
#include "book/PageList.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(PageList, SortsByteWiseIgnoringCase)
{
    const struct {
        const char* what;
        QList<QByteArray> onDisk;
        QStringList expected;
    } cases[] = {
        {"no numeric awareness, case ignored", {"B.png", "a10.png", "a.png", "a2.png"},
         {"a.png", "a10.png", "a2.png", "B.png"}},
        {"punctuation and a leading blank", {"-cover.jpg", "(1).jpg", "a.jpg", " space.jpg"},
         {" space.jpg", "(1).jpg", "-cover.jpg", "a.jpg"}},
        {"uppercase sorts as lowered, after the underscore", {"Page_B.jpg", "PAGE_a.jpg", "page^.jpg", "pagea.jpg"},
         {"page^.jpg", "PAGE_a.jpg", "Page_B.jpg", "pagea.jpg"}},
        {"a byte of 128 or more comes before plain ASCII", {"pa.jpg", "p\xc3\xa9.jpg", "p0.jpg"},
         {QString::fromUtf8("p\xc3\xa9.jpg"), "p0.jpg", "pa.jpg"}},
        {"a name that starts another comes first, whatever the listing order", {"x.jpg.jpg", "x.jpg", "x.jpgz.png"},
         {"x.jpg", "x.jpg.jpg", "x.jpgz.png"}},
        {"names lowered alike keep both files, in a fixed order", {"a.png", "A.png"}, {"A.png", "a.png"}},
        {"none", {}, {}},
    };
    for (const auto& c : cases) {
        PageNameList list;
        for (const QByteArray& name : c.onDisk)
            list.append(MakePageName(name));
        list.sort();
        QStringList names;
        for (const PageName& page : list.pages())
            names << page.name;
        EXPECT_EQ(names, c.expected) << c.what;
    }
}

TEST(PageList, TakesNamesHoldingAPageExtensionAnywhere)
{
    for (const char* lowered : {"a.bmp", "a.png", "a.jpg", "a.jpeg", "a.gif", ".jpg", "notes.jpg.txt", "a.jpg~"})
        EXPECT_TRUE(IsPageName(lowered)) << lowered;
    for (const char* lowered : {"readme.txt", "jpg", "a.tiff", "a.JPG" /* the caller lowers first */})
        EXPECT_FALSE(IsPageName(lowered)) << lowered;
}

TEST(PageList, KeepsTheRealNameAndReadsLikeAListOfNames)
{
    // Only A..Z are lowered; other bytes, UTF-8 included, stay as they are.
    const PageName page = MakePageName("\xc3\x89T\xc3\x89.PNG");
    EXPECT_EQ(page.name, QString::fromUtf8("\xc3\x89T\xc3\x89.PNG"));
    EXPECT_EQ(page.lowered, "\xc3\x89t\xc3\x89.png");
    PageNameList list{"B.png", "a.png"};
    list << "C.JPG";
    EXPECT_EQ(list[0], "B.png");
    EXPECT_EQ(list.value(2), "C.JPG");
    EXPECT_EQ(list.lowered(2), "c.jpg");
    EXPECT_TRUE(list.item(3).isEmpty());
    EXPECT_TRUE(list.lowered(-1).isEmpty());
    list.sort();
    EXPECT_EQ(list.item(0), "a.png");
}

TEST(PageDirectory, ListsPageNamedFilesFoldersAndLinksInReadingOrder)
{
    ScratchDir dir;
    for (const char* name :
         {"a10.png", "B.png", "a.png", "(1).jpg", "Story.JPEG", "notes.jpg.txt", "readme.txt", "y.bmp"})
        dir.write(name, "x");
    QDir().mkpath(dir.file("a.jpg"));                            // listed, and fails to decode when shown
    dir.write("inner/d.png", "x");                               // sub-folders' pages belong to no book
    ASSERT_TRUE(QFile::link(dir.file("y.bmp"), dir.file("linked.GIF"))); // a link counts as its target
    const std::optional<PageNameList> pages = ScanPageDirectory(dir.path());
    ASSERT_TRUE(pages);
    QStringList names;
    for (const PageName& page : pages->pages())
        names << page.name;
    EXPECT_EQ(names, (QStringList{"(1).jpg", "a.jpg", "a.png", "a10.png", "B.png", "linked.GIF", "notes.jpg.txt",
                                  "Story.JPEG", "y.bmp"}));
}

} // namespace
