#include "app/DropBook.h"

#include "support/TestSupport.h"
#include "app/AppState.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {
class DropBook : public ::testing::Test {
protected:
    DropBook()
    {
        state.settings = ReadSettings(SettingsReader(), dir.path());
        state.settings.preloadnextpage = false;
        QImage page(8, 8, QImage::Format_RGB32);
        page.fill(Qt::red);
        QDir().mkpath(dir.file("one"));
        QDir().mkpath(dir.file("two"));
        page.save(dir.file("one/p.png"));
        page.save(dir.file("two/q.png"));
    }
    ScratchDir dir;
    AppState state;
    MessageRecorder messages;
};
} // namespace

TEST_F(DropBook, OnlyLocalFilesAreTaken)
{
    EXPECT_EQ(DroppedPaths({QUrl::fromLocalFile("/a/b.cbz")}), QStringList{"/a/b.cbz"});
    EXPECT_EQ(DroppedPaths({QUrl::fromLocalFile("/a"), QUrl::fromLocalFile("/b")}), (QStringList{"/a", "/b"}));
    EXPECT_TRUE(DroppedPaths({QUrl("https://example.org/b.cbz")}).isEmpty());
    EXPECT_TRUE(DroppedPaths({QUrl::fromLocalFile("/a"), QUrl("https://example.org/b.cbz")}).isEmpty());
    EXPECT_TRUE(DroppedPaths({}).isEmpty());
}

TEST_F(DropBook, AFolderOpensAsABook)
{
    OpenDroppedBook(state, {dir.file("one")});
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, dir.file("one/"));
    EXPECT_EQ(state.book.BookPath, dir.file("one/"));
}

TEST_F(DropBook, AFileOpensItsBook)
{
    OpenDroppedBook(state, {dir.file("two/q.png")});
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, dir.file("two/"));
}

TEST_F(DropBook, TwoItemsKeepTheOpenBook)
{
    OpenDroppedBook(state, {dir.file("one")});
    OpenDroppedBook(state, {dir.file("two"), dir.file("two/q.png")});
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Only drag one file at once");
    EXPECT_EQ(messages.messages()[0].caption, "Error");
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, dir.file("one/"));
    EXPECT_FALSE(state.book.current.isNull());
}
