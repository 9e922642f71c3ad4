// 7z and tar books, written with libarchive at test time, under the zip family's rules: the choice of
// a book when the folders branch, flat bare names, the later entry winning, macOS metadata and hostile
// names, damage.

#include "support/TestSupport.h"

#include "book/SevenZipTarBook.h"
#include "book/archive/BookChooser.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<QByteArray, QByteArray>>; // name, data (data "/" makes a folder)

QByteArray writeArchive(bool sevenZip, const Entries& entries)
{
    archive* a = archive_write_new();
    sevenZip ? archive_write_set_format_7zip(a) : archive_write_set_format_pax_restricted(a);
    QByteArray bytes(1 << 20, '\0');
    std::size_t used = 0;
    archive_write_open_memory(a, bytes.data(), std::size_t(bytes.size()), &used);
    for (const auto& [name, data] : entries) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, name.constData());
        const bool folder = data == "/";
        archive_entry_set_filetype(e, folder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, folder ? 0 : data.size());
        archive_write_header(a, e);
        if (!folder)
            archive_write_data(a, data.constData(), std::size_t(data.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    bytes.truncate(qsizetype(used));
    return bytes;
}

class SevenZipTarBook : public ::testing::TestWithParam<bool> {
protected:
    SevenZipTarBook()
    {
        QDir().mkpath(work());
        m_previous = SetBookChooser([this](const BookTree&, ArchiveFamily family) {
            ++asked;
            EXPECT_EQ(family, ArchiveFamily::Zip);
            return answer;
        });
    }
    ~SevenZipTarBook() override { SetBookChooser(std::move(m_previous)); }

    QString work() const { return dir.path() + QStringLiteral("work/"); }
    int extract(const Entries& entries)
    {
        return ExtractSevenZipTarBook(
            dir.write(GetParam() ? "book.cb7" : "book.cbt", writeArchive(GetParam(), entries)), work());
    }
    QStringList written() const { return QDir(work()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    ScratchDir dir;
    MessageRecorder messages;
    QStringList answer;
    int asked = 0;

private:
    BookChooser m_previous;
};

} // namespace

TEST_P(SevenZipTarBook, NamesFlattenTheLaterEntryWinsAndMetadataIsSkipped)
{
    EXPECT_EQ(extract({{"Book/p1.jpg", "old"},
                       {"Book/sub/p2.png", "two"},
                       {"../evil.jpg", "flat"},
                       {"/abs/p3.jpg", "three"},
                       {"__MACOSX/Book/._p1.jpg", "meta"},
                       {"Book/._p2.png", "meta"},
                       {"Other/p1.jpg", "new"}}),
              0);
    EXPECT_EQ(written(), QStringList({"evil.jpg", "p1.jpg", "p2.png", "p3.jpg"}));
    EXPECT_EQ(ReadWholeFile(work() + "p1.jpg"), "new");
    EXPECT_EQ(asked, 1); // Book/ and Other/ branch
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_P(SevenZipTarBook, TheChosenBookAloneIsWritten)
{
    answer = {"Vol2"};
    EXPECT_EQ(extract({{"Vol1/", "/"}, {"Vol1/a.jpg", "1"}, {"Vol2/", "/"}, {"Vol2/a.jpg", "2"}, {"Vol2/b.jpg", "3"}}),
              0);
    EXPECT_EQ(written(), QStringList({"a.jpg", "b.jpg"}));
    EXPECT_EQ(ReadWholeFile(work() + "a.jpg"), "2");
}

TEST_P(SevenZipTarBook, DamageGivesTheZipMessagesAndKeepsNoPartialPage)
{
    const QByteArray whole = writeArchive(GetParam(),
                                          {{"p1.jpg", QByteArray(3000, 'a')}, {"p2.jpg", QByteArray(9000, 'b')}});
    const QString name = GetParam() ? "cut.cb7" : "cut.cbt";
    ExtractSevenZipTarBook(dir.write(name, whole.left(whole.size() * 2 / 3)), work());
    EXPECT_FALSE(messages.texts().isEmpty());
    for (const QString& page : written()) // whatever was written is whole
        EXPECT_EQ(QFile(work() + page).size(), page == "p1.jpg" ? 3000 : 9000) << page.toStdString();

    EXPECT_EQ(ExtractSevenZipTarBook(dir.write(name, "not an archive at all"), work()), 1);
    EXPECT_EQ(messages.texts().last(), "Zip failed");
}

INSTANTIATE_TEST_SUITE_P(Formats, SevenZipTarBook, ::testing::Bool(),
                         [](const auto& info) { return info.param ? std::string("SevenZip") : std::string("Tar"); });
