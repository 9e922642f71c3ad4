#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "book/RarBook.h"
#include "book/archive/RarVolumes.h"

#include <QFile>
#include <QFileInfo>
#include <archive.h>
#include <archive_entry.h>
#include <clocale>

namespace {
const QString kEntryError = QStringLiteral("Can't decompress your file");
const QString kHeaderError = QStringLiteral("Header is broken");

class RarBookTest : public ArchiveFixture, public ::testing::WithParamInterface<RarFormat> {
protected:
    QString makeRar(const std::vector<RarTestEntry>& entries, const QString& name = QStringLiteral("book.cbr"))
    {
        return scratch.write(name, WriteRarArchive(GetParam(), entries));
    }

    static std::vector<RarTestEntry> volumes()
    {
        return {{"Vol1", {}, true}, {"Vol1/Ch1", {}, true}, {"Vol1/Ch1/p1.jpg", PageBytes(1)},
                {"Vol1/p2.jpg", PageBytes(2)}, {"Vol2", {}, true}, {"Vol2/p1.jpg", PageBytes(3)},
                {"Vol10", {}, true}, {"Vol10/p9.jpg", PageBytes(4)}};
    }
};

// What libarchive itself lists, as "name" or "name/" for a folder.
QStringList listedByLibarchive(const QString& path)
{
    const std::string previous = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    QStringList names;
    struct archive* a = archive_read_new();
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    if (archive_read_open_filename(a, QFile::encodeName(path).constData(), 10240) == ARCHIVE_OK) {
        struct archive_entry* e = nullptr;
        while (archive_read_next_header(a, &e) == ARCHIVE_OK) {
            const char* name = archive_entry_pathname_utf8(e);
            names << QString::fromUtf8(name ? name : "?") + (archive_entry_filetype(e) == AE_IFDIR ? "/" : "");
        }
    }
    archive_read_free(a);
    std::setlocale(LC_CTYPE, previous.c_str());
    return names;
}
} // namespace

TEST_P(RarBookTest, LibarchiveListsTheWrittenArchive)
{
    const QString path = makeRar(volumes());
    EXPECT_EQ(listedByLibarchive(path), (QStringList{"Vol1/", "Vol1/Ch1/", "Vol1/Ch1/p1.jpg", "Vol1/p2.jpg", "Vol2/",
                                                      "Vol2/p1.jpg", "Vol10/", "Vol10/p9.jpg"}));
}

TEST_P(RarBookTest, FolderEntriesBuildTheTreeAndTheChoiceMatchesAsAPrefix)
{
    answer = {"Vol1"};
    EXPECT_EQ(ExtractRarBook(makeRar(volumes()), workDir()), 0);
    ASSERT_EQ(shownTrees.size(), 1u);
    EXPECT_EQ(shownFamilies[0], ArchiveFamily::Rar);
    EXPECT_EQ(shownTrees[0].top.size(), 3u);
    EXPECT_EQ(shownTrees[0].top[0].children.size(), 1u);
    // 'Vol1' as a prefix also takes 'Vol10\', as the rar-family choice always has.
    EXPECT_EQ(written(), (QStringList{"p1.jpg", "p2.jpg", "p9.jpg"}));
    EXPECT_EQ(page("p1.jpg"), PageBytes(1));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_P(RarBookTest, NestedChoiceUsesBackslashes)
{
    answer = {"Vol1", "Ch1"};
    EXPECT_EQ(ExtractRarBook(makeRar(volumes()), workDir()), 0);
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST_P(RarBookTest, WithoutFolderEntriesEverythingIsExtractedAndTheLaterNameWins)
{
    const QString path = makeRar({{"Vol1/p01.jpg", PageBytes(1)}, {"Vol2/p01.jpg", PageBytes(2)}, {"p02.jpg", PageBytes(3)}});
    EXPECT_EQ(ExtractRarBook(path, workDir()), 0);
    EXPECT_TRUE(shownTrees.empty());
    EXPECT_EQ(written(), (QStringList{"p01.jpg", "p02.jpg"}));
    EXPECT_EQ(page("p01.jpg"), PageBytes(2));
}

TEST_P(RarBookTest, UnicodeNamesComeOutRight)
{
    const QStringList names{QString::fromUtf8("ページ01.jpg"), QString::fromUtf8("Страница.jpg"),
                            QString::fromUtf8("café.jpg")};
    std::vector<RarTestEntry> entries;
    for (const QString& name : names)
        entries.push_back({"Livre/" + name.toUtf8(), name.toUtf8()});
    EXPECT_EQ(ExtractRarBook(makeRar(entries), workDir()), 0);
    QStringList expected = names;
    expected.sort();
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(page(names[0]), names[0].toUtf8());
}

TEST_P(RarBookTest, ABrokenHeaderShowsThePartialTreeAndFails)
{
    QByteArray bytes = WriteRarArchive(GetParam(), volumes());
    const qsizetype at = bytes.indexOf("Vol2");
    ASSERT_GT(at, 0);
    bytes[at] = 'W'; // the header's checksum no longer matches
    const QString path = scratch.write(QStringLiteral("broken.cbr"), bytes);
    EXPECT_EQ(ExtractRarBook(path, workDir()), 1);
    EXPECT_EQ(messages.texts(), (QStringList{kHeaderError, kHeaderError}));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Error [RAR COMPRESSION]"));
    ASSERT_EQ(shownTrees.size(), 1u); // shown although the folders listed so far don't branch
    EXPECT_EQ(shownTrees[0].top.size(), 1u);
    EXPECT_EQ(written(), (QStringList{"p1.jpg", "p2.jpg"})); // extracted before the broken header
}

TEST_P(RarBookTest, DamagedDataStopsTheWalkAndKeepsTheEarlierPages)
{
    // A changed byte is caught by the entry's checksum, a data block cut short by the reader. Passing
    // over an entry in the listing reads no data, so only the walk speaks for the changed byte; for the
    // cut one the listing and the walk each say so once. The damaged page is not left behind.
    const QByteArray bad = PageBytes(9);
    QByteArray bytes = WriteRarArchive(GetParam(), {{"p1.jpg", PageBytes(1)}, {"p2.jpg", bad}, {"p3.jpg", PageBytes(3)}});
    QByteArray flipped = bytes;
    flipped[bytes.indexOf(bad) + 100] = char(flipped[bytes.indexOf(bad) + 100] ^ 0x55);
    EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("bad.cbr"), flipped), workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{kEntryError});
    EXPECT_EQ(written(), QStringList{"p1.jpg"});

    QDir(workDir()).removeRecursively();
    QDir().mkpath(workDir());
    bytes.truncate(bytes.indexOf(bad) + 500);
    EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("cut.cbr"), bytes), workDir()), 0);
    EXPECT_EQ(messages.texts(), (QStringList{kEntryError, kEntryError, kEntryError}));
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST_P(RarBookTest, UnsafeNamesAreWrittenFlatAndLinksNever)
{
    const QString outside = scratch.write(QStringLiteral("target.jpg"), "keep");
    QFile::link(outside, workDir() + QStringLiteral("planted.jpg"));
    std::vector<RarTestEntry> entries{{"../escape.jpg", PageBytes(1)}, {"planted.jpg", PageBytes(2)},
                                      {QByteArray(300, 'n') + ".jpg", PageBytes(3)}};
    if (GetParam() == RarFormat::Rar5)
        entries.push_back({"link.jpg", "/etc/passwd", false, true, false, true});
    EXPECT_EQ(ExtractRarBook(makeRar(entries), workDir()), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(written(), (QStringList{"escape.jpg", "planted.jpg"}));
    EXPECT_FALSE(QFileInfo(workDir() + "planted.jpg").isSymLink());
    EXPECT_EQ(ReadWholeFile(outside), QByteArray("keep"));
}

TEST_P(RarBookTest, ANearlyFullDiskStopsWithOneMessage)
{
    SetDiskSpaceProbe([](const QString&) { return DiskSpace{512ull * 1024 * 1024 + 30000, 4ull << 30}; });
    const QString path = makeRar({{"p1.jpg", PageBytes(1, 20000)}, {"p2.jpg", PageBytes(2, 90000)}, {"p3.jpg", PageBytes(3)}});
    EXPECT_EQ(ExtractRarBook(path, workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{kEntryError});
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST_P(RarBookTest, EncryptedEntriesFailWithTheFamilyMessageAndNoPrompt)
{
    const QString path = makeRar({{"p1.jpg", PageBytes(1)}, {"secret.jpg", PageBytes(2), false, true, true}, {"p3.jpg", PageBytes(3)}});
    EXPECT_EQ(ExtractRarBook(path, workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{kEntryError});
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST_P(RarBookTest, EncryptedHeadersFailAsBrokenWithoutAPrompt)
{
    const QString path = scratch.write(QStringLiteral("locked.cbr"), WriteRarArchive(GetParam(), volumes(), true));
    EXPECT_EQ(ExtractRarBook(path, workDir()), 1);
    EXPECT_EQ(messages.texts(), (QStringList{kHeaderError, kHeaderError}));
    EXPECT_TRUE(written().isEmpty());
}

TEST_P(RarBookTest, NotAnArchiveFailsSilently)
{
    EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("x.cbr"), QByteArray(100, 'x')), workDir()), 1);
    EXPECT_EQ(ExtractRarBook(scratch.file(QStringLiteral("missing.cbr")), workDir()), 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Formats, RarBookTest, ::testing::Values(RarFormat::Rar4, RarFormat::Rar5),
                         [](const auto& info) { return info.param == RarFormat::Rar4 ? "Rar4" : "Rar5"; });

TEST_F(ArchiveFixture, Rar4LegacyNamesAreFolded)
{
    const QByteArray bytes = WriteRarArchive(RarFormat::Rar4, {{"\x8A" "t\x82.jpg", PageBytes(1), false, false}});
    EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("old.rar"), bytes), workDir()), 0);
    EXPECT_EQ(written(), QStringList{QString::fromUtf8("èté.jpg")});
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ArchiveFixture, Rar5VolumeSetIsReadInOrderAndAMissingVolumeFails)
{
    const QByteArray big = PageBytes(5, 200000);
    const std::vector<QByteArray> parts = WriteRar5Volumes({{"p1.jpg", PageBytes(1)}, {"p2.jpg", big}, {"p3.jpg", PageBytes(3)}}, 1);
    const QString first = scratch.write(QStringLiteral("set.part1.rar"), parts[0]);
    scratch.write(QStringLiteral("set.part2.rar"), parts[1]);
    EXPECT_EQ(ExtractRarBook(first, workDir()), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(written(), (QStringList{"p1.jpg", "p2.jpg", "p3.jpg"}));
    EXPECT_EQ(page("p2.jpg"), big);

    QFile::remove(scratch.file(QStringLiteral("set.part2.rar")));
    QDir(workDir()).removeRecursively();
    QDir().mkpath(workDir());
    EXPECT_EQ(ExtractRarBook(first, workDir()), 0);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Can't decompress your file")});
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST(RarVolumeSet, NamesTheVolumesInOrder)
{
    const QStringList present{"/b/x.part01.rar", "/b/x.part02.rar", "/b/x.part03.rar", "/b/y.rar", "/b/y.r00",
                              "/b/y.r01", "/b/Z.CBR", "/b/Z.C00"};
    const auto exists = [&](const QString& p) { return present.contains(p); };
    EXPECT_EQ(RarVolumeSet("/b/x.part02.rar", exists), (QStringList{"/b/x.part01.rar", "/b/x.part02.rar", "/b/x.part03.rar"}));
    EXPECT_EQ(RarVolumeSet("/b/y.rar", exists), (QStringList{"/b/y.rar", "/b/y.r00", "/b/y.r01"}));
    EXPECT_EQ(RarVolumeSet("/b/Z.CBR", exists), (QStringList{"/b/Z.CBR", "/b/Z.C00"}));
    EXPECT_EQ(RarVolumeSet("/b/w.part1.rar", exists), QStringList{"/b/w.part1.rar"});
    EXPECT_EQ(RarVolumeSet("/b/book.cbz", exists), QStringList{"/b/book.cbz"});
}
