// SPDX-License-Identifier: GPL-3.0-or-later
// The extraction worker with a writer the test holds back: the order files are written in, the reader's
// wish, messages in the archive's order, and a prompt cancel.

#include "book/BookExtraction.h"
#include "support/HeldWriter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
class BookExtractionTest : public ::testing::Test {
protected:
    // Files f0, f1, ... with the given places in the archive.
    std::unique_ptr<BookExtraction> start(const std::vector<std::size_t>& entries, std::optional<std::size_t> first)
    {
        std::vector<ExtractionFile> files;
        for (std::size_t k = 0; k < entries.size(); ++k)
            files.push_back({"f" + QByteArray::number(qulonglong(k)), entries[k], {}});
        auto writer = std::make_unique<HeldWriter>(
            shared, [](std::size_t entry) { return QByteArray::number(qulonglong(entry)); });
        return std::make_unique<BookExtraction>(dir.path(), std::move(files), std::move(writer), first, [] {});
    }
    void allow(int count) { shared->allowed += count; }

    ScratchDir dir;
    std::shared_ptr<HeldWriter::Shared> shared = std::make_shared<HeldWriter::Shared>();
};
} // namespace

TEST(ExtractionOrder, FromTheCursorOnThenTheRestTheWantedFirstOrTheArchivesOrder)
{
    const struct {
        std::size_t count, cursor;
        std::optional<std::size_t> wanted;
        bool inArchiveOrder;
        std::vector<std::size_t> byEntry, expected;
        std::optional<std::size_t> ahead = {};
    } cases[] = {
        {5, 0, {}, false, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {5, 2, {}, false, {0, 1, 2, 3, 4}, {2, 3, 4, 0, 1}}, // the resume page, then after it, then before
        {5, 1, 4, false, {0, 1, 2, 3, 4}, {4, 1, 2, 3, 0}},
        {3, 0, {}, false, {1, 2, 0}, {0, 1, 2}},     // page 1 is the archive's last entry, and first all the same
        {4, 2, 0, true, {3, 1, 0, 2}, {3, 1, 0, 2}}, // a solid rar archive: its order, whatever is wanted
        {4, 2, 0, true, {3, 1, 0, 2}, {2, 3, 1, 0}, 2}, // a tar: the page shown, then the archive's order
    };
    for (const auto& c : cases) {
        std::vector<FileWrite> files(c.count, FileWrite::Pending);
        WriteOrder order{c.cursor, c.wanted, 0, c.ahead};
        std::vector<std::size_t> picked;
        while (std::optional<std::size_t> next = NextFileToWrite(files, c.byEntry, order, c.inArchiveOrder)) {
            picked.push_back(*next);
            files[*next] = picked.size() % 2 ? FileWrite::Written : FileWrite::Failed;
        }
        EXPECT_EQ(picked, c.expected);
    }
    const std::vector<FileWrite> files{FileWrite::Written, FileWrite::Pending, FileWrite::Failed};
    EXPECT_EQ(SettledPrefix(files, {2, 0, 1}, 0), 2u);
    EXPECT_EQ(SettledPrefix(files, {1, 0, 2}, 0), 0u);
}

TEST_F(BookExtractionTest, TheLastPageJumpedToAtOnceGoesToTheFrontAndTheRestFollow)
{
    auto extraction = start({0, 1, 2, 3, 4, 5}, 0);
    extraction->prioritise(5); // at most the file the worker holds already comes before it
    EXPECT_EQ(extraction->state(5), FileWrite::Pending);
    allow(10);
    EXPECT_TRUE(extraction->waitFor(5));
    extraction->waitAll();
    const auto& order = shared->order;
    ASSERT_EQ(order.size(), 6u);
    EXPECT_TRUE(order[0] == 5 || (order[0] == 0 && order[1] == 5));
    std::vector<std::size_t> rest(order.begin(), order.end());
    rest.erase(std::find(rest.begin(), rest.end(), 5u));
    EXPECT_EQ(rest, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(extraction->settledCount(), 6u);
}

TEST_F(BookExtractionTest, MessagesComeOnceInTheArchivesOrderAsSoonAsEverythingBeforeThemIsSettled)
{
    shared->failing = {2, 0};
    auto extraction = start({2, 0, 1}, 0); // file 0 is the last entry, file 1 the first
    allow(1);
    EXPECT_FALSE(extraction->waitFor(0));
    EXPECT_TRUE(extraction->takeMessages().empty()); // entries 0 and 1 come first and aren't settled
    allow(1);
    EXPECT_FALSE(extraction->waitFor(1));
    EXPECT_EQ(MessageTexts(extraction->takeMessages()), QStringList{"f1"});
    allow(1);
    extraction->waitAll();
    EXPECT_EQ(MessageTexts(extraction->takeMessages()), QStringList{"f0"});
    EXPECT_TRUE(extraction->takeMessages().empty());
}

TEST_F(BookExtractionTest, CancelStopsInsideAFileAtOnceAndLeavesNothingHalfWritten)
{
    auto extraction = start({0, 1, 2}, 0);
    allow(1);
    EXPECT_TRUE(extraction->waitFor(0));
    QElapsedTimer timer;
    timer.start();
    extraction->cancel(); // the writer is inside file 1, held
    EXPECT_LT(timer.elapsed(), 100);
    EXPECT_TRUE(extraction->finished());
    EXPECT_EQ(extraction->state(1), FileWrite::Failed);
    EXPECT_FALSE(extraction->waitFor(2));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f0"});
}
