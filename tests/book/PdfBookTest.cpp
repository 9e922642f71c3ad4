// SPDX-License-Identifier: GPL-3.0-or-later
// PDF books: pages rendered on the worker to fit the view, and what a bad PDF gives.

#include "book/PdfBook.h"
#include "book/OpenBook.h"
#include "book/PdfRender.h"

#include "support/TestState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A PDF written by hand from its objects (numbered from 1, the first the catalog) and what its
// trailer adds.
QByteArray handWrittenPdf(const QList<QByteArray>& objects, const QByteArray& trailer = {})
{
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray xref = "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int i = 0; i < objects.size(); ++i) {
        xref += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xrefAt = pdf.size();
    return pdf + xref + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " + trailer
        + " >>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
}

QByteArray stream(const QByteArray& dictionary, const QByteArray& data)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data
        + "\nendstream";
}

// A one-page PDF locked by the standard security handler: its check values fit no empty password, so
// only a password the reader was never asked for would open it.
QByteArray passwordLockedPdf()
{
    const QByteArray check = QByteArray(32, '\x5a').toHex(), id = QByteArray(16, '\x11').toHex();
    return handWrittenPdf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
                           "<< /Filter /Standard /V 1 /R 2 /P -4 /O <" + check + "> /U <" + check + "> >>"},
                          "/Encrypt 4 0 R /ID [<" + id + "> <" + id + ">]");
}

// A scan as scanner software writes it: one 40 x 60 picture over the page, and under it the words
// found in it as invisible text (render mode 3), for searching.
QByteArray scanWithWordsPdf()
{
    return handWrittenPdf(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 300] /Contents 4 0 R"
         " /Resources << /XObject << /Im1 5 0 R >> /Font << /F1 6 0 R >> >> >>",
         stream("", "q 200 0 0 300 0 0 cm /Im1 Do Q BT 3 Tr /F1 12 Tf 20 150 Td (Scanned words) Tj ET"),
         stream("/Type /XObject /Subtype /Image /Width 40 /Height 60 /ColorSpace /DeviceGray /BitsPerComponent 8",
                QByteArray(40 * 60, '\x80')),
         "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"});
}

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

TEST(PdfBoxNeedsRender, AFitModeChangeOrAPageDrawnMuchLargerOrSmaller)
{
    EXPECT_FALSE(PdfBoxNeedsRender({133, 200}, {200, 200}, {210, 210})); // 5 % larger
    EXPECT_TRUE(PdfBoxNeedsRender({133, 200}, {200, 200}, {240, 240}));
    EXPECT_FALSE(PdfBoxNeedsRender({133, 200}, {200, 200}, {120, 120}));
    EXPECT_TRUE(PdfBoxNeedsRender({133, 200}, {200, 200}, {60, 60}));
    EXPECT_TRUE(PdfBoxNeedsRender({133, 200}, {200, 200}, {133, 0})); // the width alone now
    EXPECT_FALSE(PdfBoxNeedsRender({200, 300}, {200, 0}, {210, 0}));
    EXPECT_FALSE(PdfBoxNeedsRender({}, {200, 200}, {400, 400})); // nothing shown
}

TEST_F(PdfBook, PagesAreMadeAgainForANewViewThePageReadFirstTheOldFileServingMeanwhile)
{
    ASSERT_TRUE(open(WriteTestPdf(dir, QStringLiteral("Comic.pdf"), 3)));
    BookExtraction& extraction = *book.extraction;
    extraction.release();
    extraction.waitAll();
    EXPECT_TRUE(extraction.takeRewritten().empty());
    extraction.readingAt(1);
    extraction.renderAgain(QSize(300, 600));
    EXPECT_EQ(extraction.state(1), FileWrite::Written);
    extraction.waitAll();
    const std::vector<std::size_t> again = extraction.takeRewritten();
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again.front(), 1u);
    EXPECT_EQ(again.size(), 5u);
    EXPECT_EQ(QImage(PagePath(book, 1)).size(), QSize(300, 450));
    EXPECT_EQ(QImage(PagePath(book, 0)).size(), QSize(300, 450));
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

TEST_F(PdfBook, AScanIsMadeNoLargerThanItsImage)
{
    BookOpening how;
    how.pageBox = QSize(1800, 1800);
    ASSERT_TRUE(OpenFileBook(book, WriteTestPdf(dir, QStringLiteral("Comic.pdf")), work.path(), how, messages));
    EXPECT_EQ(book.current.pixels.size(), QSize(1200, 1800)); // type and a block: the view's size
    ASSERT_TRUE(book.extraction->waitFor(1));
    EXPECT_EQ(QImage(PagePath(book, 1)).size(), QSize(40, 60)); // one 40 x 60 picture over the page
    CloseBook(book);

    // The invisible words of a scanner's text layer draw nothing: still a scan.
    ASSERT_TRUE(OpenFileBook(book, dir.write("scan.pdf", scanWithWordsPdf()), work.path(), how, messages));
    EXPECT_EQ(book.current.pixels.size(), QSize(40, 60));
}

TEST_F(PdfBook, ABadPdfGivesOneMessage)
{
    EXPECT_FALSE(open(dir.write("fake.pdf", "PK\3\4 not a pdf at all")));
    EXPECT_EQ(MessageTexts(messages), QStringList{"Not a PDF file"});
    messages.clear();

    // Locked by a password: said once, never asked for.
    EXPECT_FALSE(open(dir.write("locked.pdf", passwordLockedPdf())));
    EXPECT_EQ(MessageTexts(messages), QStringList{"This PDF file is protected by a password and can't be opened"});
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

TEST_F(PdfBook, OnlyTheWindowAroundThePageReadIsMadeAndKept)
{
    // 42 pages: far more than the window and the pages kept.
    ASSERT_TRUE(open(WriteTestPdf(dir, QStringLiteral("long.pdf"), 40)));
    ASSERT_EQ(book.PageList.count(), 42);
    BookExtraction& extraction = *book.extraction;
    extraction.release();
    extraction.waitAll(); // the window is done; the rest waits for the reader
    const PageWindow window{.pages = 42};
    auto pagesOnDisk = [&] {
        return QDir(work.path()).entryList({QStringLiteral("*.bmp")}, QDir::Files).count();
    };
    EXPECT_EQ(pagesOnDisk(), qsizetype(window.ahead + 1));
    EXPECT_EQ(extraction.state(window.ahead + 1), FileWrite::Pending);
    EXPECT_TRUE(QFileInfo::exists(work.file("info.bdi")));
    // A jump: the page jumped to first, then its window; the disk never holds more than the pages kept.
    extraction.readingAt(30);
    ASSERT_TRUE(extraction.waitFor(30));
    extraction.waitAll();
    EXPECT_EQ(extraction.state(30 - window.behind), FileWrite::Written);
    EXPECT_EQ(extraction.state(30 - window.behind - 1), FileWrite::Pending);
    for (std::size_t page = 4; page < 42; page += 6) {
        extraction.readingAt(page);
        extraction.waitAll();
        EXPECT_LE(pagesOnDisk(), qsizetype(window.kept)) << page;
    }
    // The page overview's selection: the pages near it are made too, once the window is done.
    extraction.readingAt(0);
    extraction.browsingAt(20);
    extraction.waitAll();
    EXPECT_EQ(extraction.state(20 + window.browsed), FileWrite::Written);
    EXPECT_EQ(extraction.state(20 - window.browsed), FileWrite::Written);
    EXPECT_LE(pagesOnDisk(), qsizetype(window.kept));
    extraction.browsingAt(std::nullopt);
    // A page no longer kept is made again when asked for.
    EXPECT_TRUE(extraction.waitFor(0));
    EXPECT_FALSE(QImage(PagePath(book, 0)).isNull());
    EXPECT_TRUE(messages.empty());
}

} // namespace
