// Archives opened the way the reader opens them: OpenFileBook empties WorkDir, extracts, and opens the
// pages as a directory book.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "app/AppState.h"
#include "app/OpenBooks.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/WorkDir.h"
#include "book/OpenBook.h"
#include "skin/SkinText.h"

#include <QBuffer>
#include <QImage>

namespace {
QByteArray pngPage(QColor colour)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class OpenArchiveBook : public ArchiveFixture {
protected:
    OpenArchiveBook()
    {
        state.settings = ReadSettings(SettingsReader(), scratch.path());
        state.settings.preloadnextpage = false;
        std::mt19937 random(7);
        CreateWorkDir(state.paths, scratch.path(), random);
    }
    ~OpenArchiveBook() override { RemoveWorkDir(state.paths); }

    QColor shown() const { return state.book.current.pixels.pixelColor(0, 0); }
    QStringList inWorkDir() const { return QDir(state.paths.WorkDir).entryList(QDir::Files, QDir::Name); }

    AppState state;
};
} // namespace

TEST_F(OpenArchiveBook, ZipBookOpensAtItsFirstPageWithTheChosenFolderOnly)
{
    const QString path = scratch.file(QStringLiteral("Comic.CBZ"));
    ASSERT_TRUE(WriteZipArchive(path, {{"Vol1/p2.png", pngPage(Qt::green)},
                                       {"Vol1/p1.png", pngPage(Qt::red), 0},
                                       {"Vol2/p1.png", pngPage(Qt::blue)},
                                       {"Vol2/caf\x82.png", pngPage(Qt::yellow)}}));
    answer = {"Vol2"};
    OpenBookFile(state, path);
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookPath, path);
    EXPECT_EQ(state.book.BookDir, state.paths.WorkDir);
    EXPECT_EQ(state.book.PageList.count(), 2);
    EXPECT_EQ(inWorkDir(), (QStringList{QString::fromUtf8("café.png"), "p1.png"}));
    EXPECT_EQ(shown(), QColor(Qt::yellow)); // 'café' sorts before 'p1'
    EXPECT_TRUE(SkinTextOf(state.skinTexts, "main").endsWith(QStringLiteral("(Comic.CBZ)")));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(OpenArchiveBook, RarBooksOfBothFormatsOpenAndReplaceThePreviousBook)
{
    const QString zip = scratch.file(QStringLiteral("a.cbz"));
    ASSERT_TRUE(WriteZipArchive(zip, {{"z1.png", pngPage(Qt::gray)}}));
    OpenBookFile(state, zip);
    ASSERT_TRUE(state.book.bookLoaded);

    for (RarFormat format : {RarFormat::Rar4, RarFormat::Rar5}) {
        const QString rar = scratch.write(QStringLiteral("b.cbr"),
                                          WriteRarArchive(format, {{"Book", {}, true},
                                                                   {"Book/02.png", pngPage(Qt::green)},
                                                                   {QString::fromUtf8("Book/01 ページ.png").toUtf8(), pngPage(Qt::red)}}));
        OpenBookFile(state, rar);
        EXPECT_TRUE(state.book.bookLoaded);
        EXPECT_EQ(inWorkDir(), (QStringList{QString::fromUtf8("01 ページ.png"), "02.png"})); // z1.png is gone
        EXPECT_EQ(shown(), QColor(Qt::red));
        EXPECT_TRUE(shownTrees.empty());
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(OpenArchiveBook, AnEmptyOrBrokenArchiveOpensNoBook)
{
    const QString empty = scratch.file(QStringLiteral("empty.cbz"));
    ASSERT_TRUE(WriteZipArchive(empty, {}));
    OpenBookFile(state, empty);
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_TRUE(messages.texts().isEmpty());

    QByteArray bytes = WriteRarArchive(RarFormat::Rar5, {{"p1.png", pngPage(Qt::red)}, {"p2.png", pngPage(Qt::blue)}});
    bytes[bytes.indexOf("p2.png")] = 'q';
    OpenBookFile(state, scratch.write(QStringLiteral("broken.cbr"), bytes));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_EQ(messages.texts(), (QStringList{"Header is broken", "Header is broken"}));
    EXPECT_EQ(SkinTextOf(state.skinTexts, "main"), QStringLiteral("Bullevista 1.26"));
}
