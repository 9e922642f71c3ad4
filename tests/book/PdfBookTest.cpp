// SPDX-License-Identifier: GPL-3.0-or-later
// PDF books: pages rendered on the worker to fit the view, and what a bad PDF gives.

#include "book/PdfBook.h"
#include "book/OpenBook.h"
#include "book/PdfRender.h"

#include "support/TestState.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class PdfBook : public ::testing::Test {
protected:
    bool open(const QString& path)
    {
        BookOpening how;
        how.pageBox = QSize(200, 200);
        return OpenFileBook(book, path, work.path(), how, messages);
    }
    QRgb pixelOfPage(int page)
    {
        QImage image(PagePath(book, page));
        return image.isNull() ? 0 : image.pixel(image.width() / 2, 10);
    }

    ScratchDir dir, work;
    BookState book;
    Messages messages;
};

TEST(PdfRenderScale, FitsTheBoxOrItsWidthWithinTheLargestPage)
{
    EXPECT_DOUBLE_EQ(PdfRenderScale({400, 600}, {200, 200}), 1.0 / 3);
    EXPECT_DOUBLE_EQ(PdfRenderScale({400, 600}, {200, 0}), 0.5);
    EXPECT_DOUBLE_EQ(PdfRenderScale({400, 600}, {}), 150.0 / 72);
    const double huge = PdfRenderScale({14400, 14400}, {100000, 100000});
    EXPECT_NEAR(14400 * 14400 * huge * huge, kLargestPdfPagePixels, 1);
    EXPECT_EQ(PdfPageFileName(8, 10), "09.bmp");
    EXPECT_EQ(PdfPageFileName(0, 10000), "00001.bmp");
}

TEST_F(PdfBook, PagesAreRenderedInOrderToFitTheBox)
{
    ASSERT_TRUE(open(WriteTestPdf(dir, QStringLiteral("Comic.pdf"))));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(book.PageList.count(), 2);
    EXPECT_EQ(book.current.pixels.size(), QSize(133, 200));
    EXPECT_EQ(qRed(book.current.pixels.pixel(66, 10)), 255); // the red block, through the usual decoding
    book.extraction->release();
    book.extraction->waitAll();
    EXPECT_GT(qBlue(pixelOfPage(1)), 240); // the picture went in as a JPEG
    EXPECT_LT(qRed(pixelOfPage(1)), 16);
    // The Info dialog's file: the document's title and page count, or the info.bdi beside the PDF.
    EXPECT_EQ(ReadWholeFile(work.file("info.bdi")), "Title=Le Titre\nPages=2\n");
    dir.write("info.bdi", "Series=Ours\n");
    ASSERT_TRUE(open(dir.file("Comic.pdf")));
    ASSERT_TRUE(book.extraction->waitForNamed("info.bdi"));
    EXPECT_EQ(ReadWholeFile(work.file("info.bdi")), "Series=Ours\n");
}

TEST_F(PdfBook, ABadPdfGivesOneMessage)
{
    EXPECT_FALSE(open(dir.write("fake.pdf", "PK\3\4 not a pdf at all")));
    EXPECT_EQ(MessageTexts(messages), QStringList{"Not a PDF file"});
    messages.clear();

    // Cut short: Poppler reads what it can find; whatever it is, the reader hears of it once.
    const QByteArray whole = ReadWholeFile(WriteTestPdf(dir, QStringLiteral("whole.pdf"), 3, 50));
    for (const qsizetype keep : {qsizetype(20), whole.size() / 2, whole.size() - 40}) {
        messages.clear();
        const bool opened = open(dir.write("cut.pdf", whole.left(keep)));
        if (opened) {
            book.extraction->release();
            book.extraction->waitAll();
            const Messages late = book.extraction->takeMessages();
            messages.insert(messages.end(), late.begin(), late.end());
        }
        EXPECT_LE(messages.size(), 1u) << keep;
        if (!opened) {
            EXPECT_EQ(messages.size(), 1u) << keep;
        }
        CloseBook(book);
    }
}

TEST_F(PdfBook, ClosingStopsRenderingAtOnce)
{
    ASSERT_TRUE(open(WriteTestPdf(dir, QStringLiteral("heavy.pdf"), 4, 30000)));
    book.extraction->release();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 150) // well into the heavy pages, each over a second's work
        QThread::msleep(10);
    timer.restart();
    CloseBook(book);
    EXPECT_LT(timer.elapsed(), 100);
}

} // namespace
