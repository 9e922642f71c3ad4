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

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

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


    QByteArray broken = WriteRarArchive(RarFormat::Rar5, {{"p1.png", PngBytes(Qt::red)}});
    broken[broken.indexOf("p1.png")] = 'q'; // the header's checksum no longer matches
    OpenBookFile(state, scratch.write(QStringLiteral("broken.cbr"), broken));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_EQ(boxes.texts(), (QStringList{"Header is broken"})); // once, and no chooser
}

// An archive none of whose pages can be read says why in one box, whatever the cause, and opens nothing.
TEST_F(OpenArchiveBook, AnArchiveWithoutAReadablePageSaysWhyOnce)
{
    const QByteArray red = PngBytes(Qt::red), green = PngBytes(Qt::green);
    const auto zip = [&](quint16 flags, int method, quint64 declared) {
        return WriteZip({{"p1.png", red, method, flags, 0, false, declared ? declared : quint64(red.size())},
                         {"p2.png", green, method, flags, 0, false, declared ? declared : quint64(green.size())}});
    };
    const auto rar = [&](RarFormat format) {
        return WriteRarArchive(format, {{.name = "p1.png", .data = red, .encrypted = true},
                                        {.name = "p2.png", .data = green, .encrypted = true}});
    };
    const std::vector<QByteArray> volumes =
        WriteRar5Volumes({{"p1.png", red}, {"p2.png", PageBytes(2, 90000)}, {"p3.png", green}}, 1, true);
    const QString encrypted = "The pages of this archive are encrypted, and no password is asked for";
    const QString damaged = "No page of this book could be read: the file is damaged";
    const struct {
        const char* name;
        QByteArray bytes;
        QString said;
    } cases[] = {
        {"encrypted.cbz", zip(1, 8, 0), encrypted},
        {"rar4.cbr", rar(RarFormat::Rar4), encrypted},
        {"rar5.cbr", rar(RarFormat::Rar5), encrypted},
        {"imploded.cbz", zip(0, 6, 0), "The pages of this archive are compressed with a method this program can't read"},
        {"sizes.cbz", zip(0, 8, 9), damaged},
        {"set.part2.rar", volumes[1], "This is a later part of a solid volume set: open its first part"},
        {"text.cbz", WriteZip({{"readme.txt", "a book of words"}}), "This archive holds no image"},
        {"empty.cbz", WriteZip({}), "This archive holds no image"},
    };
    for (const auto& c : cases) {
        boxes.clear();
        OpenBookFile(state, scratch.write(QString::fromLatin1(c.name), c.bytes));
        if (state.book.extraction) {
            state.book.extraction->waitAll();
            ExtractionProgressed(state); // the worker's last wake-up
        }
        EXPECT_FALSE(state.book.bookLoaded) << c.name;
        EXPECT_EQ(boxes.texts(), QStringList{c.said}) << c.name;
    }
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

// The listing runs on a helper thread: the window's events go on meanwhile, the reader is asked on the
// window's thread, and a book opened while the first is still being listed is the one that opens.
TEST_F(OpenArchiveBook, EventsGoOnWhileAnArchiveIsListedAndALaterOpeningWins)
{
    const QString branching = scratch.file(QStringLiteral("two.cbz"));
    ASSERT_TRUE(WriteZipWithMinizip(branching, {{"Vol1/p1.png", PngBytes(Qt::red)}, {"Vol2/p1.png", PngBytes(Qt::blue)}}));
    const QString plain = scratch.write(QStringLiteral("one.cbz"), WriteZip({{"p1.png", PngBytes(Qt::green)}}));
    bool turned = false;
    QTimer::singleShot(0, [&] { turned = true; });
    QStringList asked;
    SetCommandDialogs(choosingWith([&](const BookTree&, ArchiveFamily) {
        asked << QStringLiteral("turned %1, own thread %2").arg(turned).arg(QThread::currentThread() == QCoreApplication::instance()->thread());
        if (asked.size() == 1)
            OpenBookFile(state, plain); // opened while two.cbz waits for its answer
        return QStringList{"Vol2"};
    }));
    OpenBookFile(state, branching);
    EXPECT_EQ(asked, QStringList{"turned 1, own thread 1"});
    EXPECT_EQ(state.book.BookPath, plain);
    EXPECT_EQ(state.book.current.pixels.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_TRUE(boxes.texts().isEmpty());

    // Undisturbed, the reader's pick opens; meanwhile the book before is closed, so no command acts on it.
    bool loadedMeanwhile = true;
    SetCommandDialogs(choosingWith([&](const BookTree&, ArchiveFamily) {
        loadedMeanwhile = state.book.bookLoaded;
        return QStringList{"Vol2"};
    }));
    OpenBookFile(state, branching);
    EXPECT_FALSE(loadedMeanwhile);
    EXPECT_EQ(state.book.current.pixels.pixelColor(0, 0), QColor(Qt::blue));
}

// A download cut short before its directory shows its first page at once; the damage is said over it.
TEST_F(OpenArchiveBook, ACutShortZipShowsItsFirstPageThenSaysItIsDamaged)
{
    const QByteArray whole = WriteZip({{"p1.png", PngBytes(Qt::red)}, {"p2.png", PngBytes(Qt::green)}});
    const QByteArray cut = whole.left(whole.indexOf(QByteArray("PK\x01\x02", 4)));
    QStringList events;
    const MessageSink recorder = SetMessageSink([&](const ShownMessage& m) {
        events << (state.book.bookLoaded ? QStringLiteral("over the page: ") : QString()) + m.text;
    });
    OpenBookFile(state, scratch.write(QStringLiteral("cut.cbz"), cut));
    SetMessageSink(recorder);
    EXPECT_EQ(state.book.current.pixels.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(events, QStringList{"over the page: ZIP file is damaged, 2 pages could be read"});
}
