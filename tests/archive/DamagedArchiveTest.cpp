// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged archives of every kind must open partly or fail with a message: never crash, hang, or write
// anything but plain files inside the work folder. Each byte position is hit in turn (flipped, or the
// archive cut there), on a zip and on RAR 4 and RAR 5 archives with folders and several entries.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "book/RarBook.h"
#include "book/ZipBook.h"

#include <QFileInfo>

namespace {
class DamagedArchiveTest : public ArchiveFixture {
protected:
    using Extract = bool (*)(const QString&, const QString&, const BookChooser&, Messages&);

    // Runs `extract` on every damaged copy of `bytes` and checks the scratch folder after each: the
    // archive, and the work folder holding plain files only.
    void everyDamage(const QByteArray& bytes, const QString& name, Extract extract)
    {
        const int step = std::max<int>(1, int(bytes.size() / 120));
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            QByteArray flipped = bytes;
            flipped[at] = char(flipped[at] ^ 0xA5);
            for (const QByteArray& damaged : {flipped, bytes.left(at)}) {
                extract(scratch.write(name, damaged), workDir(), chooser(), messages);
                for (const QString& file : written()) {
                    const QFileInfo info(workDir() + file);
                    ASSERT_TRUE(info.isFile() && !info.isSymLink()) << file.toStdString();
                }
                ASSERT_EQ(QDir(scratch.path()).entryList(kEverything), (QStringList{name, "work"}));
                freshWorkDir();
            }
        }
    }
};
} // namespace

TEST_F(DamagedArchiveTest, Zip)
{
    const QString path = scratch.file(QStringLiteral("book.cbz"));
    ASSERT_TRUE(WriteZipWithMinizip(path,
                                    {{"A/p1.jpg", PageBytes(1, 3000), 0},
                                     {"A/p2.jpg", PageBytes(2, 3000)},
                                     {.name = "B/p1.jpg", .data = PageBytes(3, 3000), .zip64 = true},
                                     {"B/", {}, 0}}));
    answer = {"B"};
    everyDamage(ReadWholeFile(path), QStringLiteral("book.cbz"), ExtractZipBook);
}

TEST_F(DamagedArchiveTest, Rar)
{
    const std::vector<RarTestEntry> entries{{"A", {}, true},
                                            {"A/p1.jpg", PageBytes(1, 3000)},
                                            {"B", {}, true},
                                            {"B/ページ.jpg", PageBytes(2, 3000)},
                                            {.name = "B/x.jpg", .data = PageBytes(3, 3000), .encrypted = true}};
    answer = {"A"};
    everyDamage(WriteRarArchive(RarFormat::Rar4, entries), QStringLiteral("book.rar"), ExtractRarBook);
    everyDamage(WriteRarArchive(RarFormat::Rar5, entries), QStringLiteral("book.rar"), ExtractRarBook);
}
