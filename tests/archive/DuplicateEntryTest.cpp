// Entries of different folders that flatten to one bare name: the one later in the archive wins, every
// time, however the two walks of a large book share the work between them.

#include "ArchiveFixture.h"
#include "ZipTestWriter.h"
#include "book/ZipBook.h"

#include <map>
#include <random>

TEST_F(ArchiveFixture, TheLaterOfEqualBareNamesAlwaysWinsOverBothWalks)
{
    // 25 names in three folders, shuffled so that each name's copies fall on either walk; the last copy
    // of 'p07.jpg' fails its checksum, which leaves no p07.jpg rather than an earlier copy.
    std::vector<ZipTestEntry> entries;
    for (int folder = 0; folder < 3; ++folder)
        for (int n = 0; n < 25; ++n)
            entries.push_back({QStringLiteral("Vol%1/p%2.jpg").arg(folder).arg(n, 2, 10, QLatin1Char('0')).toUtf8(),
                               PageBytes(folder * 100 + n, 3000 + n), (folder + n) % 2 ? 0 : 8});
    std::shuffle(entries.begin(), entries.end(), std::mt19937(12));
    std::map<QString, ZipTestEntry> last;
    for (const ZipTestEntry& e : entries)
        last[QString::fromUtf8(e.name.mid(e.name.indexOf('/') + 1))] = e;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->name.endsWith("/p07.jpg")) {
            it->badCrc = true;
            break;
        }
    const QString path = scratch.file(QStringLiteral("dups.cbz"));
    ASSERT_TRUE(WriteZipArchive(path, entries));
    last.erase(QStringLiteral("p07.jpg"));

    for (int open = 0; open < 20; ++open) {
        QDir(workDir()).removeRecursively();
        QDir().mkpath(workDir());
        MessageRecorder recorded;
        ASSERT_EQ(ExtractZipBook(path, workDir()), 0);
        ASSERT_EQ(recorded.texts(), QStringList{QStringLiteral("Error within ZIP file, some pages my look strange")});
        ASSERT_EQ(written().size(), qsizetype(last.size()));
        for (const auto& [bare, entry] : last)
            ASSERT_EQ(page(bare), entry.data) << "open " << open << ": " << bare.toStdString() << " not from "
                                              << entry.name.constData();
    }
}
