// Rar archives made to hurt, in both formats: an entry never unpacks to more than its header declares,
// nor the archive to far more than its own size; macOS metadata is no page and no book folder.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "book/RarBook.h"

namespace {
class HostileRarTest : public ArchiveFixture, public ::testing::WithParamInterface<RarFormat> {};
} // namespace

TEST_P(HostileRarTest, SizesBeyondTheDeclaredOrTheArchivesOwnStopWithOneMessage)
{
    const struct {
        const char* what;
        quint32 declaredSize;
        QString message;
    } rows[] = {
        {"a header claiming 300 MB", 300u << 20, "RAR file would unpack to far more than its own size, extraction stopped"},
        {"data beyond its declared size", 50, "Can't decompress your file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QDir(workDir()).removeRecursively();
        QDir().mkpath(workDir());
        MessageRecorder recorded;
        RarTestEntry lying{"p2.jpg", PageBytes(2)};
        lying.declaredSize = row.declaredSize;
        const QByteArray bytes = WriteRarArchive(GetParam(), {{"p1.jpg", PageBytes(1)}, lying, {"p3.jpg", PageBytes(3)}});
        EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("lying.cbr"), bytes), workDir()), 0);
        EXPECT_EQ(recorded.texts(), QStringList{row.message});
        EXPECT_EQ(recorded.messages().at(0).caption, QStringLiteral("Error [RAR COMPRESSION]"));
        EXPECT_EQ(written(), QStringList{"p1.jpg"});
    }
}

TEST_P(HostileRarTest, MacOsMetadataIsNeitherAPageNorABookFolder)
{
    const QByteArray bytes = WriteRarArchive(GetParam(), {{"Book", {}, true},
                                                          {"Book/p01.png", PageBytes(1)},
                                                          {"__MACOSX", {}, true},
                                                          {"__MACOSX/Book", {}, true},
                                                          {"__MACOSX/Book/._p01.png", "Mac OS X        ATTR"},
                                                          {"Book/._p02.png", "Mac OS X        ATTR"},
                                                          {"Book/p02.png", PageBytes(2)}});
    EXPECT_EQ(ExtractRarBook(scratch.write(QStringLiteral("mac.cbr"), bytes), workDir()), 0);
    EXPECT_TRUE(shownTrees.empty());
    EXPECT_EQ(written(), (QStringList{"p01.png", "p02.png"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Formats, HostileRarTest, ::testing::Values(RarFormat::Rar4, RarFormat::Rar5),
                         [](const auto& info) { return info.param == RarFormat::Rar4 ? "Rar4" : "Rar5"; });
