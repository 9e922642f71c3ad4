#pragma once
// Shared by the archive tests: a scratch folder with an empty work folder inside, a chooser that answers
// without a window and remembers what it was shown, and a recorder of message boxes.

#include "support/TestSupport.h"
#include "book/archive/BookChooser.h"
#include "book/archive/DiskSpace.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

class ArchiveFixture : public ::testing::Test {
protected:
    ArchiveFixture()
    {
        QDir().mkpath(workDir());
        m_previousChooser = SetBookChooser([this](const BookTree& tree, ArchiveFamily family) {
            shownTrees.push_back(tree);
            shownFamilies.push_back(family);
            return answer;
        });
    }
    ~ArchiveFixture() override
    {
        SetBookChooser(std::move(m_previousChooser));
        SetDiskSpaceProbe({});
    }

    QString workDir() const { return scratch.path() + QStringLiteral("work/"); }

    // The names in the work folder, sorted, links and all.
    QStringList written() const
    {
        QStringList names = QDir(workDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
        names.sort();
        return names;
    }

    QByteArray page(const QString& name) const { return ReadWholeFile(workDir() + name); }

    ScratchDir scratch;
    MessageRecorder messages;
    QStringList answer; // what the reader "chooses" when asked
    std::vector<BookTree> shownTrees;
    std::vector<ArchiveFamily> shownFamilies;

private:
    BookChooser m_previousChooser;
};

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Bytes that look like nothing in particular, so stored and deflated data differ.
QByteArray PageBytes(int seed, int size = 20000);
