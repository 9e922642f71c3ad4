// Archives opened the way the reader opens them: OpenFileBook empties WorkDir, extracts, and opens the
// pages as a directory book.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "app/OpenBooks.h"
#include "app/WorkDir.h"
#include "book/OpenBook.h"
#include "skin/SkinText.h"
#include "support/TestState.h"

namespace {
using OpenArchiveBook = ArchiveFixture;
} // namespace

TEST_F(OpenArchiveBook, BooksOfBothFamiliesOpenAtTheirFirstPageAndReplaceThePreviousOne)
{
    AppState state;
    UseDefaultSettings(state);
    state.settings.preloadnextpage = false;
    std::mt19937 random(7);
    CreateWorkDir(state.paths, scratch.path(), random);
    const auto shown = [&] { return state.book.current.pixels.pixelColor(0, 0); };
    // The page shown is written first; the rest follows on the worker.
    const auto inWorkDir = [&] {
        if (state.book.extraction)
            state.book.extraction->waitAll();
        return QDir(state.paths.WorkDir).entryList(QDir::Files, QDir::Name);
    };
    const QString path = scratch.file(QStringLiteral("Comic.CBZ"));
    ASSERT_TRUE(WriteZipWithMinizip(path,
                                    {{"Vol1/p2.png", PngBytes(Qt::green)},
                                     {"Vol1/p1.png", PngBytes(Qt::red), 0},
                                     {"Vol2/p1.png", PngBytes(Qt::blue)},
                                     {"Vol2/caf\x82.png", PngBytes(Qt::yellow)}}));
    answer = {"Vol2"};
    OpenBookFile(state, path);
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, state.paths.WorkDir);
    EXPECT_EQ(inWorkDir(), (QStringList{QString::fromUtf8("café.png"), "p1.png"}));
    EXPECT_EQ(shown(), QColor(Qt::yellow)); // 'café' sorts before 'p1'
    EXPECT_TRUE(SkinTextOf(state.skinTexts, "main").endsWith(QStringLiteral("(Comic.CBZ)")));

    // A grey page, whose colours are stretched on decoding.
    OpenBookFile(state, scratch.write(QStringLiteral("a.cbz"), WriteZip({{"z1.png", PngBytes(Qt::gray)}})));
    // Both rar formats take the same road from here; their differences are RarBookTest's.
    const QByteArray rar = WriteRarArchive(
        RarFormat::Rar4,
        {{"Book", {}, true}, {"Book/02.png", PngBytes(Qt::green)}, {"Book/01 ページ.png", PngBytes(Qt::red)}});
    OpenBookFile(state, scratch.write(QStringLiteral("b.cbr"), rar));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(inWorkDir(), (QStringList{QString::fromUtf8("01 ページ.png"), "02.png"})); // the zip's pages are gone
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_TRUE(messages.texts().isEmpty());

    OpenBookFile(state, scratch.write(QStringLiteral("empty.cbz"), WriteZip({})));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_TRUE(messages.texts().isEmpty()); // a book without pages fails without a word

    QByteArray broken = WriteRarArchive(RarFormat::Rar5, {{"p1.png", PngBytes(Qt::red)}});
    broken[broken.indexOf("p1.png")] = 'q'; // the header's checksum no longer matches
    OpenBookFile(state, scratch.write(QStringLiteral("broken.cbr"), broken));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_EQ(messages.texts(), (QStringList{"Header is broken", "Header is broken"}));
    RemoveWorkDir(state.paths);
}
