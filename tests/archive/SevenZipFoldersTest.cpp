// SPDX-License-Identifier: GPL-3.0-or-later
// Which entries of a 7z start their folder, read from the archive's headers: libarchive's solid
// archives (their header packed with LZMA), stored archives of chosen folders, and damaged or hostile
// headers, which give nothing rather than a wrong answer or a crash.

#include "ArchiveFixture.h"
#include "SevenZipTestWriter.h"

#include "book/archive/SevenZipFolders.h"

namespace {
std::optional<std::vector<bool>> starts(const QByteArray& archive)
{
    return SevenZipFolderStarts(
        std::uint64_t(archive.size()), [&](std::uint64_t offset, std::size_t size) -> std::optional<QByteArray> {
            if (offset > std::uint64_t(archive.size()) || size > std::uint64_t(archive.size()) - offset)
                return std::nullopt;
            return archive.mid(qsizetype(offset), qsizetype(size));
        });
}
} // namespace

TEST(SevenZipFolders, EntriesStartingTheirFolderInSolidAndStoredArchives)
{
    // libarchive: one folder for all data, listed first; the folder and the empty file have none.
    EXPECT_EQ(starts(WriteArchiveWithLibarchive(
                  true, {{"B/", "/"}, {"B/p1.jpg", PageBytes(1)}, {"B/empty.txt", ""}, {"B/p2.jpg", PageBytes(2)}})),
              std::vector<bool>({true, false, true, true}));
    // Folders as chosen: one file, two files, a folder entry alone, one file.
    EXPECT_EQ(starts(WriteSevenZipArchive({{{"p1.jpg", "1"}},
                                           {{"p2.jpg", "22"}, {"d/", "/"}, {"p3.jpg", "333"}},
                                           {{"e/", "/"}},
                                           {{"p4.jpg", "4444"}}})),
              std::vector<bool>({true, true, true, false, true, true}));
    EXPECT_EQ(starts(WriteSevenZipArchive({})), std::vector<bool>());
}

TEST(SevenZipFolders, DamagedOrHostileHeadersGiveNothing)
{
    const QByteArray solid = WriteArchiveWithLibarchive(true, {{"p1.jpg", PageBytes(1)}, {"p2.jpg", PageBytes(2)}});
    const QByteArray stored = WriteSevenZipArchive({{{"p1.jpg", "1"}}, {{"p2.jpg", "22"}}});
    for (const QByteArray& whole : {solid, stored}) {
        for (qsizetype cut = 0; cut < whole.size(); cut += 7)
            EXPECT_FALSE(starts(whole.left(cut))) << cut;
        // A changed byte anywhere either fails a checksum or leaves an answer of the same length.
        for (qsizetype at = 0; at < whole.size(); ++at) {
            QByteArray garbled = whole;
            garbled[at] = char(garbled[at] ^ 0x5A);
            const std::optional<std::vector<bool>> found = starts(garbled);
            EXPECT_TRUE(!found || found->size() == 2) << at;
        }
    }
    // Headers whose checksums hold: counts, sizes and offsets beyond what the bytes can hold.
    const QByteArray n40 = SevenZipNumber(quint64(1) << 40);
    const QByteArray hostile[] = {
        QByteArray("\x01\x05", 2) + n40 + QByteArray(2, '\0'),         // 2^40 files
        QByteArray("\x01\x04\x07\x0B", 4) + n40 + QByteArray(4, '\0'), // 2^40 folders
        QByteArray("\x01\x04\x06\x00", 4) + n40 + QByteArray(3, '\0'), // 2^40 packed streams
        QByteArray("\x01\x04\x07\x0B\x01\x00\x01\x01\x00\x0C\x05\x00\x08\x0D", 14) + n40 + QByteArray(3, '\0'),
        QByteArray("\x01\x05\x02\x0E\x01\x80\x00\x00", 8), // a file with data, no folder
        // An encoded header packed far past the end, then one claiming 4 GiB of LZMA2 with the largest
        // dictionary.
        QByteArray("\x17\x06", 2) + n40 + QByteArray("\x01\x09\x10\x00\x07\x0B\x01\x00\x01\x21\x00\x0C\x10\x00", 14),
        QByteArray("\x17\x06\x00\x01\x09\x10\x00\x07\x0B\x01\x00\x21\x21\x01\x28\x0C", 16)
            + SevenZipNumber(quint64(1) << 32) + QByteArray(2, '\0'),
        QByteArray("\x17\x06\x00\x01\x09\x10\x00\x07\x0B\x01\x00\x21\x21\x01\x28\x0C\x40\x00\x00", 19),
    };
    for (const QByteArray& header : hostile)
        EXPECT_FALSE(starts(SevenZipWithHeader(QByteArray(16, 'x'), header))) << header.toHex().toStdString();
}
