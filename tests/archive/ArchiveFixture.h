// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the archive tests: a scratch folder with an empty work folder inside, a chooser that answers
// without a window and remembers what it was shown, a recorder of message boxes, and one runner for the
// tables of archives, {archive, what the reader picks} -> {extracted, messages, pages}.

#include "book/archive/BookChooser.h"
#include "book/archive/DiskSpace.h"
#include "support/TestSupport.h"

#include <QColor>
#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

// Bytes that look like nothing in particular, so stored and deflated data differ.
QByteArray PageBytes(int seed, int size = 20000);
// An 8 x 6 PNG of one colour, for books that are opened and shown.
QByteArray PngBytes(QColor colour);

struct BookCase {
    const char* what = "";
    QByteArray archive{};
    QStringList answer{}; // the folders the reader picks, if asked
    bool extracted = true;
    QStringList messages{}; // "caption: text", in the order shown
    QStringList written{};  // sorted; a page named p<N>.<ext> or p<N>-<size>.<ext> must hold PageBytes(N, size)
    QStringList asked{};    // the top folders of the tree shown to the reader; empty: nobody was asked
    qint64 diskBudget = -1; // what the disk takes before its reserve; -1: the real disk
    // The work folder holds p1.jpg, a link to a file outside, p2.jpg, a hard link to it, and p3.jpg, a
    // FIFO (which would block an open): all three must be replaced, never written through.
    bool planted = false;
};

// The common row, whose reader is never asked and whose disk is the real one unless a budget is given.
inline BookCase Row(const char* what, QByteArray archive, bool extracted, QStringList messages, QStringList written,
                    qint64 diskBudget = -1)
{
    return {.what = what,
            .archive = std::move(archive),
            .extracted = extracted,
            .messages = std::move(messages),
            .written = std::move(written),
            .diskBudget = diskBudget};
}

// A row whose reader is asked: `asked` are the top folders shown, `answer` what is picked.
inline BookCase AskedRow(const char* what, QByteArray archive, QStringList asked, QStringList answer, bool extracted,
                         QStringList messages, QStringList written)
{
    return {what,
            std::move(archive),
            std::move(answer),
            extracted,
            std::move(messages),
            std::move(written),
            std::move(asked)};
}

// Every name in a folder, hidden, links and all.
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;

class ArchiveFixture : public ::testing::Test {
protected:
    ArchiveFixture() { QDir().mkpath(workDir()); }
    ~ArchiveFixture() override { SetDiskSpaceProbe({}); }

    // The reader: answers `answer` and remembers the tree's top folders in `asked`.
    BookChooser chooser()
    {
        return [this](const BookTree& tree, ArchiveFamily family) {
            for (const BookTreeItem& item : tree.top)
                asked << item.text;
            askedFamily = family;
            return answer;
        };
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
    Messages messages;  // what the extractions said, in order
    QStringList answer; // what the reader "chooses" when asked
    QStringList asked;  // the top folders of every tree the reader was shown
    ArchiveFamily askedFamily = ArchiveFamily::Zip;
};

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
