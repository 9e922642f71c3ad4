// SPDX-License-Identifier: GPL-3.0-or-later
// Rar books in both formats: what each archive gives, from sound books to damaged and hostile ones (an
// entry never unpacks to more than its header declares, nor the archive to far more than its own size).

#include "book/RarBook.h"
#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "book/archive/RarHeaderIndex.h"
#include "book/archive/RarVolumes.h"

#include <QFile>

namespace {
const QString kEntryError = QStringLiteral("Error [RAR COMPRESSION]: Can't decompress your file");
const QString kHeaderError = QStringLiteral("Error [RAR COMPRESSION]: Header is broken");
const QString kBomb = QStringLiteral(
    "Error [RAR COMPRESSION]: RAR file would unpack to far more than its own size, extraction stopped");

class RarBookTest : public ArchiveFixture, public ::testing::WithParamInterface<RarFormat> {};

RarTestEntry rarPage(int n)
{
    return {QByteArray("p") + QByteArray::number(n) + ".jpg", PageBytes(n)};
}

std::vector<RarTestEntry> volumes()
{
    return {{"Vol1", {}, true},
            {"Vol1/Ch1", {}, true},
            {"Vol1/Ch1/p1.jpg", PageBytes(1)},
            {"Vol1/p2.jpg", PageBytes(2)},
            {"Vol2", {}, true},
            {"Vol2/p3.jpg", PageBytes(3)},
            {"Vol10", {}, true},
            {"Vol10/p9.jpg", PageBytes(9)}};
}

std::vector<BookCase> rarCases(RarFormat format)
{
    const auto rar = [format](const std::vector<RarTestEntry>& entries) { return WriteRarArchive(format, entries); };
    const auto between = [&](const RarTestEntry& middle) { return rar({rarPage(1), middle, rarPage(3)}); };
    const QByteArray bad = PageBytes(7);
    const QByteArray damaged = between({"p2.jpg", bad});
    QByteArray flipped = damaged;
    flipped[damaged.indexOf(bad) + 100] = char(flipped[damaged.indexOf(bad) + 100] ^ 0x55);
    QByteArray brokenHeader = rar(volumes());
    brokenHeader[brokenHeader.indexOf("Vol2")] = 'W'; // the header's checksum no longer matches
    const QByteArray mac("Mac OS X        ATTR");
    std::vector<RarTestEntry> hostile{{"../p1.jpg", PageBytes(1)},
                                      {"/p2.jpg", PageBytes(2)},
                                      {"a\\..\\p3.jpg", PageBytes(3)},
                                      {"C:/x/p4.jpg", PageBytes(4)},
                                      {"..", "x"},
                                      {QByteArray(300, 'n') + ".jpg", "x"}};
    if (format == RarFormat::Rar5)
        hostile.push_back({.name = "link.jpg", .data = "/etc/passwd", .symlink = true});

    std::vector<BookCase> cases{
        // 'Vol1' as a prefix also takes 'Vol10\', as the rar-family choice always has.
        AskedRow("folder entries build the tree, the choice takes what it prefixes", rar(volumes()),
                 {"Vol1", "Vol10", "Vol2"}, {"Vol1"}, true, {}, {"p1.jpg", "p2.jpg", "p9.jpg"}),
        AskedRow("a nested choice is matched with backslashes", rar(volumes()), {"Vol1", "Vol10", "Vol2"},
                 {"Vol1", "Ch1"}, true, {}, {"p1.jpg"}),
        Row("without folder entries nobody is asked; equal bare names keep both, equal paths the later",
            rar({{"Vol1/p1.jpg", PageBytes(9)}, {"p2.jpg", PageBytes(9)}, {"Vol2/p1.jpg", PageBytes(1)}, rarPage(2)}),
            true, {}, {"Vol1_p1.jpg", "Vol2_p1.jpg", "p2.jpg"}),
        // The tree is shown although the folders listed so far don't branch.
        Row("a broken header says so once and nobody is asked to choose", brokenHeader, false, {kHeaderError},
            {"p1.jpg", "p2.jpg"}),
        // Passing over an entry in the listing reads no data, so only the walk speaks for a changed byte;
        // for a cut block the listing and the walk each say so.
        Row("a changed byte fails the entry's checksum", flipped, true, {kEntryError}, {"p1.jpg"}),
        Row("a data block cut short", damaged.left(damaged.indexOf(bad) + 500), true, {kEntryError, kEntryError},
            {"p1.jpg"}),
        Row("an encrypted entry fails without a prompt",
            between({.name = "secret.jpg", .data = PageBytes(2), .encrypted = true}), true, {kEntryError}, {"p1.jpg"}),
        Row("encrypted headers fail as broken, without a prompt", WriteRarArchive(format, volumes(), true), false,
            {kHeaderError}, {}),
        Row("not an archive fails without a word", QByteArray(100, 'x'), false, {}, {}),
        Row("a header claiming 300 MB", between({.name = "p2.jpg", .data = PageBytes(2), .declaredSize = 300u << 20}),
            true, {kBomb}, {"p1.jpg"}),
        Row("data beyond its declared size", between({.name = "p2.jpg", .data = PageBytes(2), .declaredSize = 50}),
            true, {kEntryError}, {"p1.jpg"}),
        Row("a nearly full disk stops with one message", between({"big.jpg", PageBytes(2, 90000)}), true, {kEntryError},
            {"p1.jpg"}, 30000),
        Row("macOS metadata is neither a page nor a book folder",
            rar({{"Book", {}, true},
                 {"Book/p1.png", PageBytes(1)},
                 {"__MACOSX", {}, true},
                 {"__MACOSX/Book", {}, true},
                 {"__MACOSX/Book/._p1.png", mac},
                 {"Book/._p2.png", mac},
                 {"Book/p2.png", PageBytes(2)}}),
            true, {}, {"p1.png", "p2.png"}),
        {.what = "hostile names flatten to their bare name; links are never made",
         .archive = rar(hostile),
         .written = {"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"},
         .planted = true},
    };
    if (format == RarFormat::Rar4)
        cases.push_back(Row("legacy names are folded", rar({{.name = "\x8At\x82.jpg", .data = "1", .unicode = false}}),
                            true, {}, {QString::fromUtf8("èté.jpg")}));
    return cases;
}
} // namespace

TEST_P(RarBookTest, EachArchiveGivesItsPagesAndMessages)
{
    for (const BookCase& c : rarCases(GetParam()))
        expectCase(ArchiveFamily::Rar, c);
    EXPECT_FALSE(ExtractRarBook(scratch.file(QStringLiteral("missing.cbr")), workDir(), chooser(), messages));
}

// The listing and the walk each name the entry that broke off, in that order.
TEST_P(RarBookTest, MessagesNameTheEntryTheyConcern)
{
    const QByteArray bad = PageBytes(7);
    const QByteArray rar = WriteRarArchive(GetParam(), {rarPage(1), {"p2.jpg", bad}, rarPage(3)});
    EXPECT_TRUE(ExtractRarBook(scratch.write("cut.cbr", rar.left(rar.indexOf(bad) + 500)), workDir(), {}, messages));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(std::pair(messages[0].entry, messages[1].entry), std::pair(QString("p2.jpg"), QString("p2.jpg")));
}

INSTANTIATE_TEST_SUITE_P(Formats, RarBookTest, ::testing::Values(RarFormat::Rar4, RarFormat::Rar5),
                         [](const auto& info) { return info.param == RarFormat::Rar4 ? "Rar4" : "Rar5"; });

TEST_F(ArchiveFixture, Rar5VolumeSetIsReadInOrderAndAMissingVolumeFails)
{
    const std::vector<QByteArray> parts = WriteRar5Volumes(
        {rarPage(1), {"p5-200000.jpg", PageBytes(5, 200000)}, rarPage(3)}, 1);
    const QString first = scratch.write(QStringLiteral("set.part1.rar"), parts[0]);
    scratch.write(QStringLiteral("set.part2.rar"), parts[1]);
    EXPECT_TRUE(ExtractRarBook(first, workDir(), chooser(), messages));
    EXPECT_TRUE(messages.empty());
    expectWritten({"p1.jpg", "p3.jpg", "p5-200000.jpg"});

    QFile::remove(scratch.file(QStringLiteral("set.part2.rar")));
    freshWorkDir();
    EXPECT_TRUE(ExtractRarBook(first, workDir(), chooser(), messages));
    EXPECT_EQ(MessageTexts(messages), QStringList{QStringLiteral("Can't decompress your file")});
    EXPECT_EQ(written(), QStringList{"p1.jpg"});
}

TEST(RarVolumeSet, NamesTheVolumesInOrder)
{
    const QStringList present{"/b/x.part01.rar", "/b/x.part02.rar", "/b/x.part03.rar", "/b/y.rar",
                              "/b/y.r00",        "/b/y.r01",        "/b/Z.CBR",        "/b/Z.C00"};
    const auto exists = [&](const QString& p) { return present.contains(p); };
    EXPECT_EQ(RarVolumeSet("/b/x.part02.rar", exists), QStringList(present.mid(0, 3)));
    EXPECT_EQ(RarVolumeSet("/b/y.rar", exists), QStringList(present.mid(3, 3)));
    EXPECT_EQ(RarVolumeSet("/b/Z.CBR", exists), QStringList(present.mid(6, 2)));
    EXPECT_EQ(RarVolumeSet("/b/w.part1.rar", exists), QStringList{"/b/w.part1.rar"});
    EXPECT_EQ(RarVolumeSet("/b/book.cbz", exists), QStringList{"/b/book.cbz"});
}

TEST(NextRarBlock, SizesReadFromAHeaderNeverReachPastTheFile)
{
    EXPECT_EQ(NextRarBlock(8, 20, 100, 128), 128);
    EXPECT_EQ(NextRarBlock(8, 20, 101, 128), std::nullopt);
    EXPECT_EQ(NextRarBlock(8, 200, 0, 128), std::nullopt);
    // A fuzzed size near 2^64 neither wraps round nor becomes a seek to 9.2e18.
    EXPECT_EQ(NextRarBlock(8, 20, ~std::uint64_t(0) - 10, 128), std::nullopt);
    EXPECT_EQ(NextRarBlock(8, ~std::uint64_t(0), 30, 128), std::nullopt);
    EXPECT_EQ(NextRarBlock(200, 0, 0, 128), std::nullopt);
}
