// SPDX-License-Identifier: GPL-3.0-or-later
// 7z and tar books, written with libarchive at test time, under the zip family's rules: the choice of
// a book when the folders branch, flat names, the later entry of a path winning, macOS metadata and
// hostile names, damage.

#include "ArchiveFixture.h"
#include "SevenZipTestWriter.h"

#include "book/FirstPage.h"
#include "book/SevenZipTarBook.h"

#include <QFile>

namespace {

// Both formats, one after the other, on a fresh work folder each.
class SevenZipTarBook : public ArchiveFixture {
protected:
    bool extract(bool sevenZip, const QByteArray& bytes)
    {
        freshWorkDir();
        return ExtractSevenZipTarBook(scratch.write(sevenZip ? "book.cb7" : "book.cbt", bytes), workDir(), chooser(),
                                      messages);
    }
};

} // namespace

TEST_F(SevenZipTarBook, NamesFlattenTheLaterEntryWinsAndTheChosenBookAloneIsWritten)
{
    for (const bool sevenZip : {true, false}) {
        asked.clear();
        answer.clear();
        EXPECT_TRUE(extract(sevenZip,
                            WriteArchiveWithLibarchive(sevenZip,
                                                       {{"Book/p1.jpg", "old"},
                                                        {"Book/sub/p2.png", "two"},
                                                        {"../evil.jpg", "flat"},
                                                        {"/abs/p3.jpg", "three"},
                                                        {"__MACOSX/Book/._p1.jpg", "meta"},
                                                        {"Book/._p2.png", "meta"},
                                                        {"Other/p1.jpg", "other"},
                                                        {"Book/p1.jpg", "new"}})));
        EXPECT_EQ(written(), QStringList({"Book_p1.jpg", "Other_p1.jpg", "evil.jpg", "p2.png", "p3.jpg"}));
        EXPECT_EQ(page("Book_p1.jpg"), "new");
        EXPECT_EQ(asked, QStringList({"Book", "Other"})); // asked once, in the zip form
        EXPECT_EQ(askedFamily, ArchiveFamily::Zip);

        answer = {"Vol2"};
        EXPECT_TRUE(extract(
            sevenZip,
            WriteArchiveWithLibarchive(
                sevenZip,
                {{"Vol1/", "/"}, {"Vol1/a.jpg", "1"}, {"Vol2/", "/"}, {"Vol2/a.jpg", "2"}, {"Vol2/b.jpg", "3"}})));
        EXPECT_EQ(written(), QStringList({"a.jpg", "b.jpg"}));
        EXPECT_EQ(page("a.jpg"), "2");
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SevenZipTarBook, DamageGivesTheZipMessagesAndKeepsNoPartialPage)
{
    for (const bool sevenZip : {true, false}) {
        const QByteArray whole = WriteArchiveWithLibarchive(
            sevenZip, {{"p1.jpg", QByteArray(3000, 'a')}, {"p2.jpg", QByteArray(9000, 'b')}});
        const std::size_t before = messages.size();
        extract(sevenZip, whole.left(whole.size() * 2 / 3));
        EXPECT_GT(messages.size(), before);
        for (const QString& name : written()) // whatever was written is whole
            EXPECT_EQ(QFile(workDir() + name).size(), name == "p1.jpg" ? 3000 : 9000) << name.toStdString();
        EXPECT_FALSE(extract(sevenZip, "not an archive at all"));
        EXPECT_EQ(messages.back().text, "Zip failed");
    }
}

TEST_F(SevenZipTarBook, ChaptersAreReadFolderByFolder)
{
    for (const bool sevenZip : {true, false}) {
        freshWorkDir();
        const QString path = scratch.write(sevenZip ? "ch.cb7" : "ch.cbt",
                                           WriteArchiveWithLibarchive(sevenZip,
                                                                      {{"B/Ch2/01.jpg", "4"},
                                                                       {"B/Ch1/02.jpg", "2"},
                                                                       {"B/Ch1/01.jpg", "1"},
                                                                       {"B/Ch2/02.jpg", "5"},
                                                                       {"B/Ch1/03.jpg", "3"}}));
        std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(path, workDir(), chooser(), messages);
        ASSERT_TRUE(plan);
        QStringList pages;
        for (const PageName& name : plan->pages.pages())
            pages << name.name;
        EXPECT_EQ(pages, QStringList({"B_Ch1_01.jpg", "B_Ch1_02.jpg", "03.jpg", "B_Ch2_01.jpg", "B_Ch2_02.jpg"}));
        ASSERT_TRUE(ExtractWholeBook(*plan, workDir(), messages));
        EXPECT_EQ(page("B_Ch2_01.jpg"), "4");
    }
    EXPECT_TRUE(messages.empty());
}

// A tar's entries are passed over by seeking, so the page shown first is written before any other.
TEST_F(SevenZipTarBook, ATarWritesThePageShownFirstBeforeTheOthers)
{
    const ArchiveEntries entries{{"p3.jpg", PageBytes(3)}, {"p1.jpg", PageBytes(1)}, {"p2.jpg", PageBytes(2)}};
    std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(
        scratch.write("book.cbt", WriteArchiveWithLibarchive(false, entries)), workDir(), chooser(), messages);
    ASSERT_TRUE(plan);
    // p2.jpg, page 2, is shown first; the worker holds after it until the page is on screen.
    BookExtraction extraction(workDir(), std::move(plan->files), std::move(plan->writer), 1, {}, true);
    ASSERT_TRUE(extraction.waitFor(1));
    EXPECT_EQ(written(), QStringList{"p2.jpg"});
    extraction.waitAll();
    expectWritten({"p1.jpg", "p2.jpg", "p3.jpg"});
    EXPECT_TRUE(messages.empty());
}

// A 7z entry that starts its folder is reached without unpacking another: in a 7z of one folder per
// page the pages are written in the reader's order, and in one of several solid folders the page shown
// first still goes before the others when it starts its folder.
TEST_F(SevenZipTarBook, A7zWritesThePageShownFirstWhenItStartsItsFolder)
{
    const SevenZipTestEntry p1{"p1.jpg", PageBytes(1)}, p2{"p2.jpg", PageBytes(2)}, p3{"p3.jpg", PageBytes(3)},
        p4{"p4.jpg", PageBytes(4)};
    for (const auto& folders : {std::vector<std::vector<SevenZipTestEntry>>{{p1}, {p2}, {p3}, {p4}},
                                std::vector<std::vector<SevenZipTestEntry>>{{p1, p2}, {p3, p4}}}) {
        freshWorkDir();
        std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(
            scratch.write("book.cb7", WriteSevenZipArchive(folders)), workDir(), chooser(), messages);
        ASSERT_TRUE(plan);
        BookExtraction extraction(workDir(), std::move(plan->files), std::move(plan->writer), 2, {}, true);
        ASSERT_TRUE(extraction.waitFor(2));
        EXPECT_EQ(written(), QStringList{"p3.jpg"});
        extraction.waitAll();
        expectWritten({"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"});
    }
    // A page far ahead wanted once a page is written: libarchive then unpacks what it passes over, so
    // the archive is opened again to reach it.
    freshWorkDir();
    std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(
        scratch.write("jump.cb7", WriteSevenZipArchive({{p1}, {p2}, {p3}, {p4}})), workDir(), chooser(), messages);
    ASSERT_TRUE(plan);
    BookExtraction extraction(workDir(), std::move(plan->files), std::move(plan->writer), 0, {}, true);
    ASSERT_TRUE(extraction.waitFor(0));
    ASSERT_TRUE(extraction.waitFor(3));
    extraction.waitAll();
    expectWritten({"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"});
    EXPECT_TRUE(messages.empty());
}

// A cover is page 1 alone: the rest of the book is never written for it.
TEST_F(SevenZipTarBook, TheCoverWritesPageOneAlone)
{
    const ArchiveEntries entries{{"p2.jpg", PageBytes(2)}, {"p1.jpg", PageBytes(1)}, {"p3.jpg", PageBytes(3)}};
    const std::atomic<bool> cancelled{false};
    for (const bool sevenZip : {true, false}) {
        freshWorkDir();
        const QString path = scratch.write(sevenZip ? "cover.cb7" : "cover.cbt",
                                           WriteArchiveWithLibarchive(sevenZip, entries));
        EXPECT_EQ(WriteFirstPage(path, workDir(), cancelled, messages), workDir() + "p1.jpg");
        expectWritten({"p1.jpg"});
    }
    EXPECT_TRUE(messages.empty());
}
