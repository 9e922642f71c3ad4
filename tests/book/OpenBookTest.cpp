// Opening a book: a folder of pages, or a file (an image opens its folder); what a failure leaves.

#include "book/OpenBook.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class OpenBook : public ::testing::Test {
protected:
    OpenBook()
    {
        writePage("book/a.png", Qt::red);
        writePage("book/B.png", Qt::green);
        writePage("book/a10.png", Qt::blue);
    }
    void writePage(const QString& name, QColor colour) const
    {
        QImage page(4, 2, QImage::Format_RGB32);
        page.fill(colour);
        page.setPixelColor(3, 1, Qt::white); // turned, the page starts with white
        QDir().mkpath(QFileInfo(dir.file(name)).path());
        page.save(dir.file(name));
    }
    bool openFolder(const QString& path, const BookOpening& how = {})
    {
        book.BookDir = path;
        book.BookPath.clear();
        return OpenDirectoryBook(book, how);
    }
    QColor shown() const { return book.current.pixels.pixelColor(0, 0); }

    ScratchDir dir, work;
    BookState book;
    MessageRecorder messages;
};

TEST_F(OpenBook, AFolderOpensAtItsFirstPageInReadingOrder)
{
    ASSERT_TRUE(openFolder(dir.file("book")));
    EXPECT_TRUE(book.bookLoaded);
    EXPECT_EQ(book.BookDir, dir.file("book/"));
    EXPECT_EQ(book.BookPath, dir.file("book/"));
    EXPECT_EQ(book.PageList.count(), 3);
    EXPECT_EQ(book.pageIndex, 0);
    EXPECT_EQ(shown(), QColor(Qt::red));
    BookOpening turned;
    turned.flipped = true;
    ASSERT_TRUE(openFolder(dir.file("book/"), turned));
    EXPECT_EQ(shown(), QColor(Qt::white));
}

TEST_F(OpenBook, AResumeOpensTheRememberedPageWhileTheBookStillHasIt)
{
    for (const auto& [resumePage, index, kept] :
         {std::tuple{2, 2, true}, std::tuple{3, 0, false}, std::tuple{40, 0, false}, std::tuple{-1, 0, false}}) {
        book.resumePending = true;
        BookOpening how;
        how.resumePage = resumePage;
        ASSERT_TRUE(openFolder(dir.file("book/"), how));
        EXPECT_EQ(book.pageIndex, index) << resumePage;
        EXPECT_EQ(shown(), QColor(index == 2 ? Qt::green : Qt::red)) << resumePage; // a, a10, B
        EXPECT_EQ(book.resumePending, kept) << resumePage;
    }
}

TEST_F(OpenBook, AnImageOpensItsFolderFromTheFirstPageWhereverTheCallerStands)
{
    ASSERT_TRUE(OpenFileBook(book, dir.file("book/B.png"), work.path(), {}));
    EXPECT_EQ(book.BookDir, dir.file("book/"));
    EXPECT_EQ(book.BookPath, dir.file("book/"));
    EXPECT_EQ(shown(), QColor(Qt::red));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(OpenFileBook(book, "book/a10.png", work.path(), {}));
    QDir::setCurrent(before);
    EXPECT_EQ(book.BookDir, dir.file("book/"));
}

TEST_F(OpenBook, ADamagedFirstPageIsShownEmpty)
{
    dir.write("book/0.jpg", "not a picture");
    ASSERT_TRUE(openFolder(dir.file("book/")));
    EXPECT_EQ(book.PageList.count(), 4);
    EXPECT_TRUE(book.current.isNull());
}

TEST_F(OpenBook, FailuresLeaveNoBook)
{
    dir.write("text/readme.txt", "hello");
    const struct {
        QString path;
        bool file;
        QString message;
    } cases[] = {
        {dir.file("text/"), false, {}},
        {dir.file("missing/"), false, {}},
        {dir.write("notes.txt", "x"), true, "Unsupported extension file"},
        {dir.write("x.cbz", "not an archive"), true, "Zip failed|Zip failed"}, // the listing, then the walk
        {dir.write("x.CBR", "not an archive"), true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ASSERT_TRUE(openFolder(dir.file("book/"))); // a book is open before each attempt
        book.resumePending = true;
        const auto shownBefore = messages.messages().size();
        EXPECT_FALSE(c.file ? OpenFileBook(book, c.path, work.path(), {}) : openFolder(c.path));
        EXPECT_FALSE(book.bookLoaded);
        EXPECT_TRUE(book.BookPath.isEmpty());
        EXPECT_EQ(book.PageList.count(), 0);
        EXPECT_TRUE(book.current.isNull());
        EXPECT_FALSE(book.resumePending);
        EXPECT_EQ(messages.texts().mid(qsizetype(shownBefore)).join(u'|').toStdString(), c.message.toStdString());
    }
}

} // namespace
