#include "book/PageDirectory.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList namesOf(const PageNameList& list)
{
    QStringList names;
    for (const PageName& page : list.pages())
        names << page.name;
    return names;
}
} // namespace

TEST(PageDirectory, ListsPageFilesInReadingOrderByTheirRealNames)
{
    ScratchDir dir;
    for (const char* name : {"a10.png", "B.png", "a2.png", "a.png", "(1).jpg", "-cover.jpg", " space.jpg",
                             "Story.JPEG", "notes.jpg.txt", "readme.txt", "x.GIF", "y.bmp"})
        dir.write(QString::fromUtf8(name), "x");
    QDir().mkpath(dir.file("a.jpg"));         // a folder named like a page is listed (and fails to decode)
    QDir().mkpath(dir.file("inner/c.png"));
    dir.write("inner/d.png", "x");             // pages of sub-folders don't belong to this book

    const std::optional<PageNameList> pages = ScanPageDirectory(dir.path());
    ASSERT_TRUE(pages);
    EXPECT_EQ(namesOf(*pages), (QStringList{" space.jpg", "(1).jpg", "-cover.jpg", "a.jpg", "a.png", "a10.png",
                                            "a2.png", "B.png", "notes.jpg.txt", "Story.JPEG", "x.GIF", "y.bmp"}));
    // The real name opens the file on this case-sensitive file system.
    EXPECT_TRUE(QFile::exists(dir.path() + pages->item(9)));
}

TEST(PageDirectory, ListsLinksLikeTheirTargets)
{
    ScratchDir dir;
    const QString target = dir.write("target/page.png", "x");
    QDir().mkpath(dir.file("book"));
    ASSERT_TRUE(QFile::link(target, dir.file("book/linked.png")));
    ASSERT_TRUE(QFile::link(dir.file("target"), dir.file("book/folder.png")));

    const std::optional<PageNameList> pages = ScanPageDirectory(dir.file("book/"));
    ASSERT_TRUE(pages);
    EXPECT_EQ(namesOf(*pages), (QStringList{"folder.png", "linked.png"}));
}

TEST(PageDirectory, AFolderThatCantBeListedIsNoBook)
{
    ScratchDir dir;
    EXPECT_FALSE(ScanPageDirectory(dir.file("missing/")));
    EXPECT_FALSE(ScanPageDirectory(dir.write("file.png", "x") + "/"));
    QDir().mkpath(dir.file("empty"));
    const std::optional<PageNameList> empty = ScanPageDirectory(dir.file("empty//"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
}

TEST(PageDirectory, FiveThousandPages)
{
    ScratchDir dir;
    for (int i = 4999; i >= 0; --i)
        QFile(dir.file(QStringLiteral("p%1.jpg").arg(i))).open(QIODevice::WriteOnly);
    const std::optional<PageNameList> pages = ScanPageDirectory(dir.path());
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->count(), 5000);
    EXPECT_EQ(pages->item(0), "p0.jpg");
    EXPECT_EQ(pages->item(1), "p1.jpg");
    EXPECT_EQ(pages->item(2), "p10.jpg");
    EXPECT_EQ(pages->item(4999), "p999.jpg");
    for (int i = 1; i < pages->count(); ++i)
        ASSERT_LT(ComparePageNames(pages->lowered(i - 1), pages->lowered(i)), 0) << i;
}
