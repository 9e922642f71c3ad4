// SPDX-License-Identifier: GPL-3.0-or-later
// Zip books: what each archive gives, from archives that are sound to archives made to hurt (bombs,
// sizes that lie, data that reaches into other records). Every table row ends with the right messages
// and nothing in the work folder but whole, true pages.

#include "book/ZipBook.h"
#include "ArchiveFixture.h"
#include "ZipTestWriter.h"

#include <map>
#include <random>

namespace {
const QString kEntryError = QStringLiteral("Zip Error: Error within ZIP file, some pages my look strange");
const QString kBomb = QStringLiteral(
    "Zip Error: ZIP file would unpack to far more than its own size, nothing was extracted");
constexpr quint64 kMiB = 1024 * 1024;

using ZipBookTest = ArchiveFixture;

ZipTestEntry pageEntry(int n, int method = 8)
{
    return {QByteArray("p") + QByteArray::number(n) + ".jpg", PageBytes(n), method};
}

// Every entry claims the kernel's local record: the data is stored once and counted 200 times. Their
// folders branch, so the reader would be asked if the bomb weren't refused first.
QByteArray sharedKernel()
{
    std::vector<ZipTestEntry> entries{{"kernel.jpg", QByteArray(4 * kMiB, '\0')}};
    for (int i = 0; i < 200; ++i)
        entries.push_back({.name = (i % 2 ? "Vol1/k" : "Vol2/k") + QByteArray::number(i) + ".jpg", .sharesLocalOf = 0});
    return WriteZip(entries);
}

std::vector<BookCase> zipCases()
{
    const QByteArray mac("Mac OS X        ATTR");
    // A download stopped before the central directory, or inside the third entry's data.
    const QByteArray whole = WriteZip({{.name = "a/p1.jpg", .data = PageBytes(1), .flags = 8},
                                       {.name = "a/p2.jpg", .data = PageBytes(2), .method = 0},
                                       pageEntry(3)});
    const auto cutShort = [](int pages) {
        return QStringLiteral("Zip Error: ZIP file is damaged, %1 pages could be read").arg(pages);
    };
    const auto afterPage0 = [](const ZipTestEntry& e) { return WriteZip({pageEntry(0), e}); };
    return {
        Row("stored and deflated, a folder entry, an empty file, a page of several write buffers",
            WriteZip({{"Book/", {}, 0},
                      {"Book/empty.jpg", {}, 0},
                      {"Book/p1.jpg", PageBytes(1), 0},
                      {"Book/Extra/p3-3145745.jpg", PageBytes(3, 3 * 1024 * 1024 + 17)}}),
            true, {}, {"empty.jpg", "p1.jpg", "p3-3145745.jpg"}),
        // The folders are sorted without regard to case; names equal but for case keep their order.
        AskedRow("only the chosen folder, not another it prefixes",
                 WriteZip({{"Vol20/p9.jpg", PageBytes(9)},
                           {"Vol2/p1.jpg", PageBytes(1)},
                           {"vol1/p7.jpg", PageBytes(7)},
                           {"B/p8.jpg", PageBytes(8)},
                           {"b/Ch/p6.jpg", PageBytes(6)}}),
                 {"B", "b", "vol1", "Vol2", "Vol20"}, {"Vol2"}, true, {}, {"p1.jpg"}),
        AskedRow("legacy folder names are folded in the tree and the choice",
                 WriteZip({{"t\x82te/p1.jpg", PageBytes(1)}, {"autre/p1.jpg", PageBytes(8)}}),
                 {"autre", QString::fromUtf8("téte")}, {QString::fromUtf8("téte")}, true, {}, {"p1.jpg"}),
        Row("legacy names are folded, UTF-8 names are not", // folded, D0 82 would lose its letter
            WriteZip({{"caf\x82.jpg", "1"}, {.name = "\xD0\x82.jpg", .data = "2", .flags = 0x800}}), true, {},
            {QString::fromUtf8("café.jpg"), QString::fromUtf8("Ђ.jpg")}),
        Row("sizes in data descriptors",
            WriteZip({{.name = "a/p1.jpg", .data = PageBytes(1), .method = 0, .flags = 8},
                      {.name = "a/p2.jpg", .data = PageBytes(2), .flags = 8}}),
            true, {}, {"p1.jpg", "p2.jpg"}),
        AskedRow("chapters that restart their numbering keep every page, each under its own name",
            WriteZip({{"Book/Ch1/p1.jpg", PageBytes(1)},
                      {"Book/Ch2/p1.jpg", PageBytes(2)},
                      {"Book/Ch2/p2.jpg", PageBytes(2)},
                      {"Book/Ch2/info.bdi", "old"},
                      {"Book/Ch3/info.bdi", "new"}}),
                 {"Book"}, {"Book"}, true, {}, {"Book_Ch1_p1.jpg", "Book_Ch2_p1.jpg", "info.bdi", "p2.jpg"}),
        Row("cut short before its directory: read from the local headers, data descriptors and stored entries",
            whole.left(whole.indexOf("PK\x01\x02")), true, {cutShort(3)}, {"p1.jpg", "p2.jpg", "p3.jpg"}),
        Row("cut short inside an entry: the entries before it", whole.left(whole.indexOf("p3.jpg") + 300), true,
            {cutShort(2)}, {"p1.jpg", "p2.jpg"}),
        Row("junk after the archive", WriteZip({pageEntry(3)}) + QByteArray(3000, 'J'), true, {}, {"p3.jpg"}),
        Row("not a zip says so once", QByteArray(5000, 'x'), false, {"Error: Zip failed"}, {}),
        Row("zip64 extra fields give the sizes",
            WriteZip({{.name = "z/p1.jpg", .data = PageBytes(1), .zip64 = true},
                      {.name = "z/p2.jpg", .data = PageBytes(2), .method = 0, .zip64 = true},
                      pageEntry(3)}),
            true, {}, {"p1.jpg", "p2.jpg", "p3.jpg"}),
        Row("what minizip can't inflate or decrypt is never written raw",
            WriteZip({{"bzip.jpg", "BZh9 this is no bzip2 stream at all", 12},
                      {.name = "secret.jpg", .data = PageBytes(1), .method = 0, .flags = 1},
                      pageEntry(2)}),
            true, {kEntryError, kEntryError}, {"p2.jpg"}),
        Row("macOS metadata is neither a page nor a book folder",
            WriteZip({{"Book/p1.png", PageBytes(1)},
                      {"__MACOSX/", {}},
                      {"__MACOSX/Book/._p1.png", mac},
                      {"Book/._p2.png", mac},
                      {"Book/p2.png", PageBytes(2)}}),
            true, {}, {"p1.png", "p2.png"}),
        {.what = "hostile names flatten to their bare name; links and devices are never made",
         .archive = WriteZip({{"../p1.jpg", PageBytes(1)},
                              {"/p2.jpg", PageBytes(2)},
                              {"a\\..\\p3.jpg", PageBytes(3)},
                              {"C:/x/p4.jpg", PageBytes(4)},
                              {"..", "x"},
                              {QByteArray(300, 'n') + ".jpg", "x"},
                              {.name = "link.jpg", .data = "/etc/passwd", .unixMode = 0120777},
                              {.name = "fifo.jpg", .unixMode = 010644},
                              {.name = "p5.jpg", .data = PageBytes(5), .unixMode = 0100644}}),
         .written = {"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg"},
         .planted = true},
        Row("200 records share one local header", sharedKernel(), false, {kBomb}, {}),
        Row("data runs into the next local header",
            WriteZip({{.name = "p0.jpg", .data = PageBytes(0), .method = 0, .declaredSize = 20040}, pageEntry(1, 0)}),
            false, {kBomb}, {}),
        Row("declared sizes far beyond the archive's", // together beyond 256 MB + 200:1
            WriteZip({pageEntry(0),
                      {.name = "a.jpg", .data = "tiny", .declaredSize = 150 * kMiB},
                      {.name = "b.jpg", .data = "tiny", .declaredSize = 150 * kMiB}}),
            false, {kBomb}, {}),
        Row("inflates past its declared size",
            afterPage0({.name = "x.jpg", .data = QByteArray(200000, 'z'), .declaredSize = 1000}), true, {kEntryError},
            {"p0.jpg"}),
        // minizip stops at the declared size by itself; libarchive, which reads zip64 entries, doesn't. No
        // more than that size is written either way, so the disk's budget isn't reached and the walk goes on.
        Row("a zip64 entry inflates past its declared size",
            WriteZip({pageEntry(0),
                      {.name = "x.jpg", .data = QByteArray(4 * kMiB, 'z'), .declaredSize = 1000, .zip64 = true},
                      pageEntry(1)}),
            true, {kEntryError}, {"p0.jpg", "p1.jpg"}, 50000),
        Row("inflates to less than its declared size",
            afterPage0({.name = "x.jpg", .data = PageBytes(9), .declaredSize = 25000}), true, {kEntryError},
            {"p0.jpg"}),
        Row("a checksum that fails with sizes that agree keeps the file and says so",
            afterPage0({.name = "x.jpg", .data = "x", .method = 0, .badCrc = true}), true, {kEntryError},
            {"p0.jpg", "x.jpg"}),
        Row("stored size off by 4 GiB takes no foreign bytes",
            afterPage0({.name = "x.jpg", .data = "hello", .method = 0, .declaredSize = 0xFFFFFFFF}), true,
            {kEntryError}, {"p0.jpg"}),
        // The probe doesn't see what was written, so each entry alone fits; a bigger one doesn't.
        Row("a nearly full disk stops the walk with one message and keeps what was written",
            WriteZip({pageEntry(1), {"big.jpg", QByteArray(4 * kMiB, 'z')}, pageEntry(3)}), true, {kEntryError},
            {"p1.jpg"}, 50000),
        Row("a full disk, four entries on two walks",
            WriteZip({pageEntry(1), pageEntry(2, 0), pageEntry(3), pageEntry(4)}), true, {kEntryError}, {}, 0),
    };
}
} // namespace

TEST_F(ZipBookTest, EachArchiveGivesItsPagesAndMessages)
{
    for (const BookCase& c : zipCases())
        expectCase(ArchiveFamily::Zip, c);
    EXPECT_FALSE(ExtractZipBook(scratch.file(QStringLiteral("missing.cbz")), workDir(), chooser(), messages));
}

TEST_F(ZipBookTest, AMessageNamesTheEntryItConcerns)
{
    const QString path = scratch.write(
        "named.cbz", WriteZip({pageEntry(0), {.name = "Vol/x.jpg", .data = "x", .method = 0, .badCrc = true}}));
    EXPECT_TRUE(ExtractZipBook(path, workDir(), {}, messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].entry, "Vol/x.jpg");
}

TEST_F(ZipBookTest, TheLaterOfEqualPathsAlwaysWinsOverBothWalks)
{
    // 25 paths stored three times (updates appended), shuffled so that each path's copies fall on either
    // walk; the last copies of p07 and p13 fail their checksums: they are kept all the same, never an
    // earlier copy, with one message each.
    std::vector<ZipTestEntry> entries;
    for (int folder = 0; folder < 3; ++folder)
        for (int n = 0; n < 25; ++n)
            entries.push_back({QStringLiteral("Vol/p%1.jpg").arg(n, 2, 10, QLatin1Char('0')).toUtf8(),
                               PageBytes(folder * 100 + n, 3000 + n), (folder + n) % 2 ? 0 : 8});
    std::shuffle(entries.begin(), entries.end(), std::mt19937(12));
    std::map<QString, ZipTestEntry> last;
    for (const ZipTestEntry& e : entries)
        last[QString::fromUtf8(e.name.mid(e.name.indexOf('/') + 1))] = e;
    for (const char* failing : {"p07.jpg", "p13.jpg"}) {
        const auto copy = [&](const ZipTestEntry& e) { return e.name.endsWith(failing); };
        std::find_if(entries.rbegin(), entries.rend(), copy)->badCrc = true;
    }
    const QString path = scratch.write(QStringLiteral("dups.cbz"), WriteZip(entries));
    for (int open = 0; open < 20; ++open) {
        freshWorkDir();
        Messages said;
        ASSERT_TRUE(ExtractZipBook(path, workDir(), chooser(), said));
        ASSERT_EQ(said.size(), 2u);
        ASSERT_EQ(written().size(), qsizetype(last.size()));
        for (const auto& [bare, entry] : last)
            ASSERT_EQ(page(bare), entry.data)
                << "open " << open << ": " << bare.toStdString() << " not from " << entry.name.constData();
    }
}
