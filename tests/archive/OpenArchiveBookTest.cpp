// SPDX-License-Identifier: GPL-3.0-or-later
// Archives opened the way the reader opens them: OpenFileBook empties WorkDir, extracts, and opens the
// pages as a directory book.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "app/ExtractionProgress.h"
#include "app/OpenBooks.h"
#include "app/OpenDialogs.h"
#include "app/WorkDir.h"
#include "book/OpenBook.h"
#include "skin/SkinText.h"
#include "support/TestState.h"

namespace {
// The program's own dialogs, but for the book chooser.
CommandDialogs choosingWith(BookChooser chooser)
{
    CommandDialogs dialogs;
    dialogs.chooseBook = std::move(chooser);
    return dialogs;
}

// The program with its WorkDir, the reader's choice through the program's own dialogs seam, and its
// message boxes recorded.
class OpenArchiveBook : public ArchiveFixture {
protected:
    OpenArchiveBook() : m_previousDialogs(SetCommandDialogs(choosingWith(chooser())))
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
        std::mt19937 random(7);
        CreateWorkDir(state.paths, scratch.path(), random);
    }
    ~OpenArchiveBook() override
    {
        SetCommandDialogs(std::move(m_previousDialogs));
        StopExtraction(state);
        RemoveWorkDir(state.paths);
    }

    MessageRecorder boxes;
    AppState state;

private:
    CommandDialogs m_previousDialogs;
};
} // namespace

TEST_F(OpenArchiveBook, BooksOfBothFamiliesOpenAtTheirFirstPageAndReplaceThePreviousOne)
{
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
    EXPECT_TRUE(boxes.texts().isEmpty());

    OpenBookFile(state, scratch.write(QStringLiteral("empty.cbz"), WriteZip({})));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_TRUE(boxes.texts().isEmpty()); // a book without pages fails without a word

    QByteArray broken = WriteRarArchive(RarFormat::Rar5, {{"p1.png", PngBytes(Qt::red)}});
    broken[broken.indexOf("p1.png")] = 'q'; // the header's checksum no longer matches
    OpenBookFile(state, scratch.write(QStringLiteral("broken.cbr"), broken));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_EQ(boxes.texts(), (QStringList{"Header is broken"})); // once, and no chooser
}

// What the listing finds is said before the reader is asked for a book and before a page is written, as
// when the listing was read to its end first.
TEST_F(OpenArchiveBook, TheListingSpeaksBeforeTheQuestionAndBeforeThePages)
{
    QStringList events;
    const MessageSink recorder = SetMessageSink([&](const ShownMessage& m) {
        events << (state.book.extraction ? QStringLiteral("while writing: ") : QString()) + m.text;
    });
    SetCommandDialogs(choosingWith([&](const BookTree&, ArchiveFamily) {
        events << QStringLiteral("asked");
        return QStringList{"Vol1"};
    }));
    const QByteArray bad = PageBytes(7);
    for (const bool branching : {true, false}) {
        events.clear();
        const QByteArray rar = WriteRarArchive(RarFormat::Rar5,
                                               {{"Vol1", {}, true},
                                                {"Vol1/p1.png", PngBytes(Qt::red)},
                                                {branching ? "Vol2" : "Vol1/x", {}, true},
                                                {branching ? "Vol2/p2.jpg" : "Vol1/p2.jpg", bad}});
        // Cut inside the last entry's data: passing over it fails in the listing.
        OpenBookFile(state, scratch.write(QStringLiteral("cut.cbr"), rar.left(rar.indexOf(bad) + 500)));
        EXPECT_TRUE(state.book.bookLoaded);
        const QStringList expected{"Can't decompress your file", "asked"};
        EXPECT_EQ(events, branching ? expected : expected.mid(0, 1));
    }
    SetMessageSink(recorder);
}
