// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a book: a folder of pages, or a file (an image opens its folder); what a failure leaves.

#include "book/OpenBook.h"

#include "support/TestState.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class OpenBook : public ::testing::Test {
protected:
    bool openFolder(const QString& path, const BookOpening& how = {})
    {
        book.BookDir = path;
        book.BookPath.clear();
        return OpenDirectoryBook(book, how);
    }
    int shownGrey() const { return book.current.isNull() ? -1 : qRed(book.current.pixels.pixel(0, 0)); }

    ScratchDir dir, work;
    const QStringList names = WriteGreyPages(dir, 3, QSize(4, 2), 100); // greys 0, 100, 200
    BookState book;
    Messages messages;
};

TEST_F(OpenBook, AFolderOpensAtItsFirstPageOrTheRememberedOne)
{
    ASSERT_TRUE(openFolder(dir.path().chopped(1))); // without its separator
    EXPECT_EQ(book.BookDir, dir.path());
    EXPECT_EQ(book.BookPath, dir.path());
    EXPECT_EQ(book.PageList.count(), 3);
    for (const auto& [remembered, index, kept] :
         {std::tuple{2, 2, true}, std::tuple{3, 0, false}, std::tuple{40, 0, false}, std::tuple{-1, 0, false}}) {
        book.resumePending = true;
        BookOpening how;
        how.resumePage = remembered;
        ASSERT_TRUE(openFolder(dir.path(), how));
        EXPECT_EQ(book.pageIndex, index) << remembered;
        EXPECT_EQ(shownGrey(), 100 * index) << remembered;
        EXPECT_EQ(book.resumePending, kept) << remembered; // a page that's gone starts the book afresh
    }
    dir.write("a.jpg", "not a picture"); // now the first page: shown empty, the others stay readable
    ASSERT_TRUE(openFolder(dir.path()));
    EXPECT_EQ(book.PageList.count(), 4);
    EXPECT_TRUE(book.current.isNull());
}

TEST_F(OpenBook, AnImageOpensItsFolderFromTheFirstPageWhereverTheCallerStands)
{
    ASSERT_TRUE(OpenFileBook(book, dir.file(names[2]), work.path(), {}, messages));
    EXPECT_EQ(book.BookPath, dir.path());
    EXPECT_EQ(shownGrey(), 0);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(OpenFileBook(book, names[1], work.path(), {}, messages));
    QDir::setCurrent(before);
    EXPECT_EQ(book.BookDir, dir.path());
}

TEST_F(OpenBook, FailuresLeaveNoBook)
{
    ScratchDir other;
    other.write("text/readme.txt", "hello");
    const struct {
        QString path;
        bool file;
        QString messages;
    } cases[] = {
        {other.file("text/"), false, {}},
        {other.file("missing/"), false, {}},
        {other.write("notes.txt", "x"), true, "Unsupported extension file"},
        {other.write("x.cbz", "not an archive"), true, "Zip failed"}, // said once
        {other.write("x.CBR", "not an archive"), true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ASSERT_TRUE(openFolder(dir.path())); // a book is open before each attempt
        book.resumePending = true;
        messages.clear();
        EXPECT_FALSE(c.file ? OpenFileBook(book, c.path, work.path(), {}, messages) : openFolder(c.path));
        EXPECT_FALSE(book.bookLoaded);
        EXPECT_TRUE(book.BookPath.isEmpty());
        EXPECT_EQ(book.PageList.count(), 0);
        EXPECT_TRUE(book.current.isNull());
        EXPECT_FALSE(book.resumePending);
        EXPECT_EQ(MessageTexts(messages).join(u'|').toStdString(), c.messages.toStdString());
    }
}

} // namespace
