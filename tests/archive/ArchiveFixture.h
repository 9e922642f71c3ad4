#pragma once
// Shared by the archive tests: a scratch folder with an empty work folder inside, a chooser that answers
// without a window and remembers what it was shown, a recorder of message boxes, and one runner for the
// tables of archives, {archive, what the reader picks} -> {result, messages, pages}.

#include "book/archive/BookChooser.h"
#include "book/archive/DiskSpace.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

// Bytes that look like nothing in particular, so stored and deflated data differ.
QByteArray PageBytes(int seed, int size = 20000);

struct BookCase {
    const char* what = "";
    QByteArray archive{};
    QStringList answer{}; // the folders the reader picks, if asked
    int result = 0;
    QStringList messages{}; // "caption: text", in the order shown
    QStringList written{};  // sorted; a page named p<N>.<ext> or p<N>-<size>.<ext> must hold PageBytes(N, size)
    QStringList asked{};    // the top folders of the tree shown to the reader; empty: nobody was asked
    qint64 diskBudget = -1; // what the disk takes before its reserve; -1: the real disk
    // The work folder holds p1.jpg, a link to a file outside, p2.jpg, a hard link to it, and p3.jpg, a
    // FIFO (which would block an open): all three must be replaced, never written through.
    bool planted = false;
};

// Every name in a folder, hidden, links and all.
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;

class ArchiveFixture : public ::testing::Test {
protected:
    ArchiveFixture()
    {
        QDir().mkpath(workDir());
        m_previousChooser = SetBookChooser([this](const BookTree& tree, ArchiveFamily family) {
            for (const BookTreeItem& item : tree.top)
                asked << item.text;
            askedFamily = family;
            return answer;
        });
    }
    ~ArchiveFixture() override
    {
        SetBookChooser(std::move(m_previousChooser));
        SetDiskSpaceProbe({});
    }

    QString workDir() const { return scratch.path() + QStringLiteral("work/"); }
    void freshWorkDir() const;

    // The names in the work folder, sorted, links and all.
    QStringList written() const;
    QByteArray page(const QString& name) const { return ReadWholeFile(workDir() + name); }
    void expectWritten(const QStringList& names) const;

    // Extracts `c.archive` as a book of `family` into a fresh work folder and checks what `c` says.
    void expectCase(ArchiveFamily family, const BookCase& c);

    ScratchDir scratch;
    MessageRecorder messages;
    QStringList answer; // what the reader "chooses" when asked
    QStringList asked;  // the top folders of every tree the reader was shown
    ArchiveFamily askedFamily = ArchiveFamily::Zip;

private:
    BookChooser m_previousChooser;
};

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
