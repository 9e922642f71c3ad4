#include "book/OpenBook.h"

#include "support/TestSupport.h"
#include "app/AppState.h"
#include "app/Commands.h"
#include "app/OpenBooks.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "skin/SkinText.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {
QString writePage(const ScratchDir& dir, const QString& name, QColor colour, QSize size = {30, 20})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.file(name);
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    image.save(path, "PNG");
    return path;
}

QColor shownColour(const AppState& state)
{
    return state.book.current.pixels.pixelColor(0, 0);
}

class OpenBook : public ::testing::Test {
protected:
    OpenBook()
    {
        state.settings = ReadSettings(SettingsReader(), dir.path());
        state.settings.preloadnextpage = false;
        writePage(dir, "book/a.png", Qt::red);
        writePage(dir, "book/B.png", Qt::green);
        writePage(dir, "book/a10.png", Qt::blue);
    }

    void openDirectory(const QString& path)
    {
        state.book.BookDir = path;
        state.book.BookPath.clear();
        OpenBookDir(state);
    }

    QString mainText() const { return SkinTextOf(state.skinTexts, "main"); }

    ScratchDir dir;
    AppState state;
    MessageRecorder messages;
};
} // namespace

TEST_F(OpenBook, DirectoryOpensAtItsFirstPageInReadingOrder)
{
    openDirectory(dir.file("book/"));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.pageIndex, 0);
    EXPECT_EQ(state.book.PageList.count(), 3);
    EXPECT_EQ(shownColour(state), QColor(Qt::red));
    EXPECT_EQ(state.book.BookPath, dir.file("book/"));
    EXPECT_EQ(mainText(), "PAGE : 1/3 (book/)");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(OpenBook, ResumeOpensTheRememberedPageAtItsOffset)
{
    state.book.resumePending = true;
    state.settings.previouspage = 2;
    state.settings.previousx = 5;
    state.settings.previousy = 7;
    openDirectory(dir.file("book"));
    EXPECT_EQ(state.book.pageIndex, 2);
    EXPECT_EQ(shownColour(state), QColor(Qt::green)); // a.png, a10.png, B.png
    EXPECT_EQ(mainText(), "PAGE : 3/3 (book/)");
    EXPECT_EQ(state.book.scrollX, 5);
    EXPECT_EQ(state.book.scrollY, 7);
    EXPECT_FALSE(state.book.resumePending);
}

TEST_F(OpenBook, ResumeIndexOutsideTheChangedBookOpensPageOneAtTheTop)
{
    for (const int previous : {3, 40, -1}) {
        state.book.resumePending = true;
        state.settings.previouspage = previous;
        state.settings.previousy = 500;
        openDirectory(dir.file("book/"));
        EXPECT_TRUE(state.book.bookLoaded) << previous;
        EXPECT_EQ(state.book.pageIndex, 0) << previous;
        EXPECT_EQ(state.book.scrollY, 0) << previous;
        EXPECT_EQ(mainText(), "PAGE : 1/3 (book/)") << previous;
        EXPECT_FALSE(state.book.resumePending) << previous;
    }
}

TEST_F(OpenBook, FlippedPagesAreDecodedTurned)
{
    QImage halves(4, 2, QImage::Format_RGB32);
    halves.fill(Qt::red);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            halves.setPixelColor(x, y, Qt::blue);
    QDir().mkpath(dir.file("turn"));
    ASSERT_TRUE(halves.save(dir.file("turn/p.png"), "PNG"));
    state.view.flipped = true;
    openDirectory(dir.file("turn/"));
    EXPECT_EQ(shownColour(state), QColor(Qt::blue));
}

TEST_F(OpenBook, FailuresLeaveNoBookAndTheTitleWithoutAMessage)
{
    dir.write("text/readme.txt", "hello");
    for (const QString& book : {dir.file("text/"), dir.file("missing/")}) {
        openDirectory(dir.file("book/")); // a book is open before each attempt
        ASSERT_TRUE(state.book.bookLoaded);
        state.book.resumePending = true;
        openDirectory(book);
        EXPECT_FALSE(state.book.bookLoaded) << book.toStdString();
        EXPECT_TRUE(state.book.BookPath.isEmpty()) << book.toStdString();
        EXPECT_TRUE(state.book.current.isNull()) << book.toStdString();
        EXPECT_FALSE(state.book.resumePending) << book.toStdString();
        EXPECT_EQ(mainText(), "Bullevista 1.26") << book.toStdString();
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(OpenBook, ADamagedFirstPageIsShownEmptyAndTheNextOneTurnsTo)
{
    dir.write("broken/a.jpg", "not a picture");
    writePage(dir, "broken/b.png", Qt::red);
    openDirectory(dir.file("broken/"));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_TRUE(state.book.current.isNull());
    EXPECT_EQ(mainText(), "PAGE : 1/2 (broken/)");
    RunAction(state, u"foward");
    EXPECT_EQ(shownColour(state), QColor(Qt::red));
    EXPECT_EQ(mainText(), "PAGE : 2/2 (broken/)");
}

TEST_F(OpenBook, AnImageOpensItsFolderFromTheFirstPage)
{
    OpenBookFile(state, dir.file("book/B.png"));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, dir.file("book/"));
    EXPECT_EQ(state.book.BookPath, dir.file("book/"));
    EXPECT_EQ(shownColour(state), QColor(Qt::red));
    EXPECT_EQ(mainText(), "PAGE : 1/3 (book/)");
}

TEST_F(OpenBook, ARelativePathIsResolvedWhereTheCallerStands)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    OpenBookFile(state, "book/a10.png");
    QDir::setCurrent(before);
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, dir.file("book/"));
}

TEST_F(OpenBook, UnsupportedFileSaysSoAndClosesTheBook)
{
    openDirectory(dir.file("book/"));
    OpenBookFile(state, dir.write("notes.txt", "x"));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Unsupported extension file");
    EXPECT_EQ(messages.messages()[0].caption, "Error");
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_EQ(state.book.PageList.count(), 0);
    EXPECT_EQ(mainText(), "Bullevista 1.26");
}

TEST_F(OpenBook, AnArchiveThatCantBeExtractedIsNoBook)
{
    openDirectory(dir.file("book/"));
    for (const char* name : {"x.cbz", "x.CBR"}) {
        OpenBookFile(state, dir.write(name, "not an archive"));
        EXPECT_FALSE(state.book.bookLoaded) << name;
        EXPECT_TRUE(state.book.BookPath.isEmpty()) << name;
        EXPECT_EQ(state.book.PageList.count(), 0) << name;
        EXPECT_EQ(mainText(), "Bullevista 1.26") << name;
    }
}
