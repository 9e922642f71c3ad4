#include "book/BookKind.h"

#include <gtest/gtest.h>

TEST(BookKind, ExtensionIsTheLoweredTextAfterTheLastDotOfTheLastComponent)
{
    struct Case {
        const char* path;
        const char* extension;
        BookKind kind;
    } cases[] = {
        {"/b/archive.CBZ", "cbz", BookKind::Zip},
        {"/b/x.zip", "zip", BookKind::Zip},
        {"/b/x.BDz", "bdz", BookKind::Zip},
        {"/b/x.cbr", "cbr", BookKind::Rar},
        {"/b/x.RAR", "rar", BookKind::Rar},
        {"/b/story.jpeg", "jpeg", BookKind::Image},
        {"/b/x/Page.JPG", "jpg", BookKind::Image},
        {"/b/x.png", "png", BookKind::Image},
        {"/b/x.gif", "gif", BookKind::Image},
        {"/b/x.bmp", "bmp", BookKind::Image},
        {"/b/notes.txt", "txt", BookKind::None},
        {"/b/x.tar.gz", "gz", BookKind::None},
        {"/books/comic", "comic", BookKind::None},        // no dot: the whole last component
        {"/books.d/cbz", "cbz", BookKind::Zip},           // ...which may be an extension itself
        {"/books/x.", "", BookKind::None},
        {"comic", "comic", BookKind::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BookFileExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(BookKindOfExtension(BookFileExtension(c.path)), c.kind) << c.path;
    }
}
