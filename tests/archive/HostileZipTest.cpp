// Zip archives made to hurt: bombs, sizes that lie, data that reaches into other records. Each must
// end with the right message and with nothing in the work folder but whole, true pages.

#include "ArchiveFixture.h"
#include "ZipTestWriter.h"
#include "book/ZipBook.h"

#include <zlib.h>

namespace {
const QString kEntryError = QStringLiteral("Error within ZIP file, some pages my look strange");
const QString kBomb = QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted");
constexpr quint64 kMiB = 1024 * 1024;

struct HostileCase {
    const char* what;
    std::vector<RawZipEntry> entries;
    int result;
    QStringList messages;
    QStringList written; // each holds PageBytes(its place in this list)
};

RawZipEntry pageEntry(int n)
{
    return HonestZipEntry(QByteArray("p") + QByteArray::number(n) + ".jpg", PageBytes(n));
}

// Every entry claims the kernel's local record: the data is stored once and counted 200 times. Their
// folders branch, so the reader would be asked if the bomb weren't refused first.
std::vector<RawZipEntry> sharedKernel()
{
    std::vector<RawZipEntry> entries{HonestZipEntry("kernel.jpg", QByteArray(4 * kMiB, '\0'), Z_DEFLATED)};
    for (int i = 0; i < 200; ++i) {
        RawZipEntry e = entries[0];
        e.name = (i % 2 ? "Vol1/k" : "Vol2/k") + QByteArray::number(i) + ".jpg";
        e.sharesLocalOf = 0;
        entries.push_back(e);
    }
    return entries;
}

std::vector<HostileCase> hostileCases()
{
    std::vector<HostileCase> cases;
    cases.push_back({"200 records share one local header", sharedKernel(), 1, {kBomb}, {}});

    RawZipEntry crossing = pageEntry(0);
    crossing.compressedSize = crossing.uncompressedSize = crossing.compressedSize + 40; // into p1's header
    cases.push_back({"data runs into the next local header", {crossing, pageEntry(1)}, 1, {kBomb}, {}});

    RawZipEntry huge = HonestZipEntry("a.jpg", "tiny", Z_DEFLATED);
    RawZipEntry huger = huge;
    huge.uncompressedSize = huger.uncompressedSize = 150 * kMiB; // together beyond 256 MB + 200:1
    huger.name = "b.jpg";
    cases.push_back({"declared sizes far beyond the archive's", {pageEntry(0), huge, huger}, 1, {kBomb}, {}});

    RawZipEntry inflatesOn = HonestZipEntry("x.jpg", QByteArray(200000, 'z'), Z_DEFLATED);
    inflatesOn.uncompressedSize = 1000;
    cases.push_back({"inflates past its declared size", {pageEntry(0), inflatesOn}, 0, {kEntryError}, {"p0.jpg"}});

    RawZipEntry endsShort = HonestZipEntry("x.jpg", PageBytes(9), Z_DEFLATED);
    endsShort.uncompressedSize += 5000;
    cases.push_back({"inflates to less than its declared size", {endsShort, pageEntry(0)}, 0, {kEntryError}, {"p0.jpg"}});

    RawZipEntry offBy4GiB = HonestZipEntry("x.jpg", "hello");
    offBy4GiB.compressedSize = offBy4GiB.uncompressedSize = 0xFFFFFFFF;
    cases.push_back({"stored size off by 4 GiB", {pageEntry(0), offBy4GiB}, 0, {kEntryError}, {"p0.jpg"}});

    RawZipEntry zip64 = pageEntry(1);
    zip64.zip64 = true;
    cases.push_back({"zip64 extra field gives the sizes", {pageEntry(0), zip64}, 0, {}, {"p0.jpg", "p1.jpg"}});
    return cases;
}
} // namespace

TEST_F(ArchiveFixture, HostileZipsEndWithOneMessageAndOnlyWholeTruePages)
{
    for (const HostileCase& c : hostileCases()) {
        SCOPED_TRACE(c.what);
        QDir(workDir()).removeRecursively();
        QDir().mkpath(workDir());
        MessageRecorder recorded;
        const QString path = scratch.write(QStringLiteral("hostile.cbz"), AssembleZip(c.entries));
        EXPECT_EQ(ExtractZipBook(path, workDir()), c.result);
        EXPECT_EQ(recorded.texts(), c.messages);
        for (const ShownMessage& shown : recorded.messages())
            EXPECT_EQ(shown.caption, QStringLiteral("Zip Error"));
        EXPECT_EQ(written(), c.written);
        for (int i = 0; i < c.written.size(); ++i)
            EXPECT_EQ(page(c.written[i]), PageBytes(i));
    }
    EXPECT_TRUE(shownTrees.empty());
}

TEST_F(ArchiveFixture, MacOsMetadataIsNeitherAPageNorABookFolder)
{
    const QString path = scratch.file(QStringLiteral("mac.cbz"));
    ASSERT_TRUE(WriteZipArchive(path, {{"Book/p01.png", PageBytes(1)},
                                       {"__MACOSX/", {}},
                                       {"__MACOSX/Book/._p01.png", "Mac OS X        ATTR"},
                                       {"Book/._p02.png", "Mac OS X        ATTR"},
                                       {"Book/p02.png", PageBytes(2)}}));
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_TRUE(shownTrees.empty());
    EXPECT_EQ(written(), (QStringList{"p01.png", "p02.png"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}
