// Damaged archives of every kind must open partly or fail with a message: never crash, hang, or write
// anything but plain files inside the work folder. Each byte position is hit in turn (flipped, or the
// archive cut there), on a zip and on RAR 4 and RAR 5 archives with folders and several entries.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "book/RarBook.h"
#include "book/ZipBook.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {
class DamagedArchiveTest : public ArchiveFixture {
protected:
    // Runs `extract` on every damaged copy of `bytes` and checks the work folder after each.
    template <typename Extract>
    void everyDamage(const QByteArray& bytes, const QString& name, Extract extract)
    {
        const int step = std::max<int>(1, int(bytes.size() / 120));
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            QByteArray flipped = bytes;
            flipped[at] = char(flipped[at] ^ 0xA5);
            for (const QByteArray& damaged : {flipped, bytes.left(at)}) {
                const QString path = scratch.write(name, damaged);
                extract(path, workDir());
                QDirIterator it(scratch.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                                QDirIterator::Subdirectories);
                while (it.hasNext()) {
                    const QFileInfo info(it.next());
                    if (info.absolutePath() + u'/' == workDir())
                        ASSERT_TRUE(info.isFile() && !info.isSymLink()) << info.fileName().toStdString();
                    else
                        ASSERT_TRUE(info.fileName() == name || info.fileName() == u"work") << info.filePath().toStdString();
                }
                QDir(workDir()).removeRecursively();
                QDir().mkpath(workDir());
            }
        }
    }
};
} // namespace

TEST_F(DamagedArchiveTest, Zip)
{
    const QString path = scratch.file(QStringLiteral("book.cbz"));
    ASSERT_TRUE(WriteZipArchive(path, {{"A/p1.jpg", PageBytes(1, 3000), 0},
                                       {"A/p2.jpg", PageBytes(2, 3000), 8},
                                       {"B/p1.jpg", PageBytes(3, 3000), 8, false, true},
                                       {"B/", {}, 0}}));
    answer = {"B"};
    everyDamage(ReadWholeFile(path), QStringLiteral("book.cbz"), ExtractZipBook);
}

TEST_F(DamagedArchiveTest, Rar)
{
    const std::vector<RarTestEntry> entries{{"A", {}, true}, {"A/p1.jpg", PageBytes(1, 3000)}, {"B", {}, true},
                                            {QString::fromUtf8("B/ページ.jpg").toUtf8(), PageBytes(2, 3000)},
                                            {"B/x.jpg", PageBytes(3, 3000), false, true, true}};
    answer = {"A"};
    everyDamage(WriteRarArchive(RarFormat::Rar4, entries), QStringLiteral("book.rar"), ExtractRarBook);
    everyDamage(WriteRarArchive(RarFormat::Rar5, entries), QStringLiteral("book.rar"), ExtractRarBook);
}
