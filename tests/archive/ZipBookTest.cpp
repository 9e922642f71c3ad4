#include "ArchiveFixture.h"
#include "ZipTestWriter.h"
#include "book/ZipBook.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kEntryError = QStringLiteral("Error within ZIP file, some pages my look strange");

class ZipBookTest : public ArchiveFixture {
protected:
    QString makeZip(const std::vector<ZipTestEntry>& entries)
    {
        const QString path = scratch.file(QStringLiteral("book.cbz"));
        EXPECT_TRUE(WriteZipArchive(path, entries));
        return path;
    }
};
} // namespace

TEST_F(ZipBookTest, StoredAndDeflatedEntriesAreWrittenFlatAndWhole)
{
    const QByteArray big = PageBytes(1, 3 * 1024 * 1024 + 17); // spans several write buffers
    const QString path = makeZip({{"Book/p01.jpg", PageBytes(1), 0},
                                  {"Book/p02.jpg", PageBytes(2), 8},
                                  {"Book/", {}, 0},
                                  {"Book/Extra/p03.jpg", big, 8},
                                  {"Book/empty.jpg", {}, 0}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(written(), (QStringList{"empty.jpg", "p01.jpg", "p02.jpg", "p03.jpg"}));
    EXPECT_EQ(page("p01.jpg"), PageBytes(1));
    EXPECT_EQ(page("p02.jpg"), PageBytes(2));
    EXPECT_EQ(page("p03.jpg"), big);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(shownTrees.empty()); // one chain of folders: nobody is asked
}

TEST_F(ZipBookTest, BranchingFoldersAskTheReaderAndOnlyTheChosenFolderIsWritten)
{
    const QString path = makeZip({{"Vol1/p1.jpg", PageBytes(1)}, {"Vol1/p2.jpg", PageBytes(2)},
                                  {"Vol2/p1.jpg", PageBytes(3)}, {"Vol20/p9.jpg", PageBytes(4)}});
    answer = {"Vol2"};
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    ASSERT_EQ(shownTrees.size(), 1u);
    EXPECT_EQ(shownFamilies[0], ArchiveFamily::Zip);
    EXPECT_EQ(shownTrees[0].top.size(), 3u);
    EXPECT_EQ(written(), QStringList{"p1.jpg"}); // 'Vol2/' doesn't match 'Vol20/'
    EXPECT_EQ(page("p1.jpg"), PageBytes(3));
}

TEST_F(ZipBookTest, WithoutAChoiceTheLaterOfTwoEqualNamesWins)
{
    const QString path = makeZip({{"Vol1/p01.jpg", PageBytes(1)}, {"Vol2/p01.jpg", PageBytes(2)}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(written(), QStringList{"p01.jpg"});
    EXPECT_EQ(page("p01.jpg"), PageBytes(2));
}

TEST_F(ZipBookTest, ChecksumErrorRemovesTheFileAndSaysSoOnce)
{
    const QString path = makeZip({{"p1.jpg", PageBytes(1), 0, false, false, true}, {"p2.jpg", PageBytes(2)}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{kEntryError});
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Zip Error"));
    EXPECT_EQ(written(), QStringList{"p2.jpg"});
    EXPECT_EQ(page("p2.jpg"), PageBytes(2));
}

TEST_F(ZipBookTest, DataDescriptorsAndTrailingJunkAreRead)
{
    QByteArray bytes = ZipWithDataDescriptors({{"a/p1.jpg", PageBytes(1)}, {"a/p2.jpg", PageBytes(2)}});
    const QString withDescriptors = scratch.write(QStringLiteral("dd.zip"), bytes);
    EXPECT_EQ(ExtractZipBook(withDescriptors, workDir()), 0);
    EXPECT_EQ(page("p2.jpg"), PageBytes(2));

    QDir(workDir()).removeRecursively();
    QDir().mkpath(workDir());
    bytes = ReadWholeFile(makeZip({{"p3.jpg", PageBytes(3)}})) + QByteArray(3000, 'J');
    const QString withJunk = scratch.write(QStringLiteral("junk.zip"), bytes);
    EXPECT_EQ(ExtractZipBook(withJunk, workDir()), 0);
    EXPECT_EQ(page("p3.jpg"), PageBytes(3));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ZipBookTest, LegacyNamesAreFoldedAndUtf8NamesAreNot)
{
    const QString path = makeZip({{"caf\x82.jpg", PageBytes(1)},
                                  {"\xD0\x82.jpg", PageBytes(2), 8, true},
                                  {"\xE3\x83\x9A\xE3\x83\xBC\xE3\x82\xB8.jpg", PageBytes(3), 8, true},
                                  {"\xD0\xA1\xD1\x82\xD1\x80.jpg", PageBytes(4), 8, true}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(written(), (QStringList{QString::fromUtf8("café.jpg"), QString::fromUtf8("Ђ.jpg"),
                                      QString::fromUtf8("Стр.jpg"), QString::fromUtf8("ページ.jpg")}));
    EXPECT_EQ(page(QString::fromUtf8("ページ.jpg")), PageBytes(3));
}

TEST_F(ZipBookTest, LegacyFolderNamesAreFoldedInTheTreeAndTheChoice)
{
    const QString path = makeZip({{"t\x82te/p1.jpg", PageBytes(1)}, {"autre/p1.jpg", PageBytes(2)}});
    answer = {QString::fromUtf8("téte")};
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    ASSERT_EQ(shownTrees.size(), 1u);
    EXPECT_EQ(shownTrees[0].top[1].text, QString::fromUtf8("téte"));
    EXPECT_EQ(page("p1.jpg"), PageBytes(1));
}

TEST_F(ZipBookTest, NothingIsWrittenOutsideTheWorkFolderNorAsALink)
{
    const QString outside = scratch.write(QStringLiteral("target.jpg"), "keep");
    QFile::link(outside, workDir() + QStringLiteral("planted.jpg"));
    ASSERT_EQ(::link(QFile::encodeName(outside).constData(), QFile::encodeName(workDir() + "hard.jpg").constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(workDir() + "pipe.jpg").constData(), 0644), 0); // would block an open
    const QString path = makeZip({{"../escape.jpg", PageBytes(1)},
                                  {"hard.jpg", PageBytes(8)},
                                  {"pipe.jpg", PageBytes(9)},
                                  {"/abs.jpg", PageBytes(2)},
                                  {"a\\..\\back.jpg", PageBytes(3)},
                                  {"..", PageBytes(4)},
                                  {"link.jpg", "/etc/passwd", 0, false, false, false, false, 0120777},
                                  {"fifo.jpg", {}, 0, false, false, false, false, 010644},
                                  {"unixfile.jpg", PageBytes(5), 0, false, false, false, false, 0100644},
                                  {"planted.jpg", PageBytes(6)},
                                  {QByteArray(300, 'n') + ".jpg", PageBytes(7)}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(written(), (QStringList{"abs.jpg", "back.jpg", "escape.jpg", "hard.jpg", "pipe.jpg", "planted.jpg",
                                      "unixfile.jpg"}));
    EXPECT_EQ(page("pipe.jpg"), PageBytes(9));
    EXPECT_EQ(page("hard.jpg"), PageBytes(8));
    EXPECT_FALSE(QFileInfo(workDir() + "planted.jpg").isSymLink());
    EXPECT_EQ(page("planted.jpg"), PageBytes(6));
    EXPECT_EQ(ReadWholeFile(outside), QByteArray("keep"));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("escape.jpg")));
}

TEST_F(ZipBookTest, EmptyArchiveIsABookWithoutPages)
{
    const QString path = makeZip({});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ZipBookTest, UnreadableArchiveFailsWithZipFailedFromTheListingAndTheWalk)
{
    const QString path = scratch.write(QStringLiteral("bad.cbz"), QByteArray(5000, 'x'));
    EXPECT_EQ(ExtractZipBook(path, workDir()), 1);
    EXPECT_EQ(messages.texts(), (QStringList{"Zip failed", "Zip failed"}));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ExtractZipBook(scratch.file(QStringLiteral("missing.cbz")), workDir()), 1);
}

TEST_F(ZipBookTest, Zip64EntriesAreReadThroughTheFallback)
{
    const QString path = makeZip({{"z/p1.jpg", PageBytes(1), 8, false, true},
                                  {"z/p2.jpg", PageBytes(2), 0, false, true},
                                  {"z/p3.jpg", PageBytes(3), 8}});
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(page("p1.jpg"), PageBytes(1));
    EXPECT_EQ(page("p2.jpg"), PageBytes(2));
    EXPECT_EQ(page("p3.jpg"), PageBytes(3));
}

TEST_F(ZipBookTest, EntriesMinizipCannotInflateOrDecryptAreNeverWrittenRaw)
{
    const QString path = makeZip({{"bzip.jpg", "BZh9 this is no bzip2 stream at all", 0},
                                  {"secret.jpg", PageBytes(1), 0, false, false, false, true},
                                  {"fine.jpg", PageBytes(2)}});
    // minizip's writer takes no other method, so the first entry is made bzip2 (12) afterwards.
    QByteArray bytes = ReadWholeFile(path);
    bytes[bytes.indexOf("PK\x03\x04") + 8] = 12;
    bytes[bytes.indexOf("PK\x01\x02") + 10] = 12;
    scratch.write(QStringLiteral("book.cbz"), bytes);
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(messages.texts(), (QStringList{kEntryError, kEntryError}));
    EXPECT_EQ(written(), QStringList{"fine.jpg"});
}

TEST_F(ZipBookTest, ANearlyFullDiskStopsTheWalkWithOneMessageAndKeepsWhatWasWritten)
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    SetDiskSpaceProbe([](const QString&) { return DiskSpace{512 * kMiB + 50000, 2 * 1024 * kMiB}; });
    const QString path = makeZip({{"p1.jpg", PageBytes(1, 30000)},
                                  {"p2.jpg", PageBytes(2, 30000), 0},
                                  {"p3.jpg", PageBytes(3, 30000)},
                                  {"p4.jpg", PageBytes(4, 30000)}});
    // The probe doesn't see what was written, so each entry alone fits; a bigger one doesn't.
    const QString bomb = scratch.file(QStringLiteral("bomb.cbz"));
    ASSERT_TRUE(WriteZipArchive(bomb, {{"a.jpg", PageBytes(1, 30000)},
                                       {"b.jpg", QByteArray(4 * 1024 * 1024, 'z')},
                                       {"c.jpg", PageBytes(3, 30000)}}));
    EXPECT_EQ(ExtractZipBook(bomb, workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{kEntryError});
    EXPECT_EQ(written(), QStringList{"a.jpg"});

    SetDiskSpaceProbe([](const QString&) { return DiskSpace{100 * kMiB, 2 * 1024 * kMiB}; });
    QDir(workDir()).removeRecursively();
    QDir().mkpath(workDir());
    EXPECT_EQ(ExtractZipBook(path, workDir()), 0);
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(ZipBookTest, LargeBooksExtractEveryPageAndReportDamageInEntryOrder)
{
    // Books of four entries or more are inflated by two walks at once; the result must not show it.
    std::vector<ZipTestEntry> entries;
    QStringList expected;
    for (int i = 0; i < 11; ++i) {
        ZipTestEntry e{QByteArray("Book/p") + QByteArray::number(10 + i) + ".jpg", PageBytes(i, 20000)};
        e.badCrc = i == 3 || i == 8; // written raw, so these don't even inflate: nothing is left of them
        entries.push_back(e);
        if (!e.badCrc)
            expected << QStringLiteral("p%1.jpg").arg(10 + i);
    }
    EXPECT_EQ(ExtractZipBook(makeZip(entries), workDir()), 0);
    EXPECT_EQ(messages.texts(), (QStringList{kEntryError, kEntryError}));
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(ReadWholeFile(workDir() + "p20.jpg"), PageBytes(10, 20000));
}
