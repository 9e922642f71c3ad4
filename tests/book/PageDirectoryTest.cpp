// A book folder's pages: every page-named entry, in reading order, by the name it has on disk. (A
// folder that can't be listed or holds no pages is no book; OpenBookTest has those.)

#include "book/PageDirectory.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(PageDirectory, ListsPageNamedFilesFoldersAndLinksInReadingOrder)
{
    ScratchDir dir;
    for (const char* name : {"a10.png", "B.png", "a.png", "(1).jpg", "Story.JPEG", "notes.jpg.txt", "readme.txt", "y.bmp"})
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
