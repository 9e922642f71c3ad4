// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveFixture.h"

#include "book/RarBook.h"
#include "book/ZipBook.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

QByteArray PageBytes(int seed, int size)
{
    std::mt19937 random{unsigned(seed)};
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random() % 7 == 0 ? random() : 'a' + seed % 26); // compressible, but not trivially
    return bytes;
}

QByteArray PngBytes(QColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void ArchiveFixture::freshWorkDir() const
{
    QDir(workDir()).removeRecursively();
    QDir().mkpath(workDir());
}

QStringList ArchiveFixture::written() const
{
    QStringList names = QDir(workDir()).entryList(kEverything);
    names.sort();
    return names;
}

void ArchiveFixture::expectWritten(const QStringList& names) const
{
    EXPECT_EQ(written(), names);
    static const QRegularExpression numbered(QStringLiteral("^p(\\d+)(?:-(\\d+))?\\."));
    for (const QString& name : written()) {
        // A FIFO left in place would block the read, so what isn't a plain file fails first.
        const QFileInfo info(workDir() + name);
        ASSERT_TRUE(info.isFile() && !info.isSymLink()) << name.toStdString() << " is no plain file";
        const QRegularExpressionMatch m = numbered.match(name);
        const int size = m.captured(2).isEmpty() ? 20000 : m.captured(2).toInt();
        EXPECT_TRUE(!m.hasMatch() || page(name) == PageBytes(m.captured(1).toInt(), size)) << name.toStdString();
    }
}

void ArchiveFixture::expectCase(ArchiveFamily family, const BookCase& c)
{
    SCOPED_TRACE(c.what);
    freshWorkDir();
    asked.clear();
    askedFamily = family;
    answer = c.answer;
    const QString outside = scratch.write(QStringLiteral("outside.jpg"), "keep");
    if (c.planted) {
        const QByteArray to = QFile::encodeName(outside), at = QFile::encodeName(workDir());
        ASSERT_EQ(::symlink(to.constData(), (at + "p1.jpg").constData()), 0);
        ASSERT_EQ(::link(to.constData(), (at + "p2.jpg").constData()), 0);
        ASSERT_EQ(::mkfifo((at + "p3.jpg").constData(), 0644), 0);
    }
    if (c.diskBudget >= 0) // 512 MB is the reserve of a 2 GiB disk
        SetDiskSpaceProbe([&c](const QString&) { return DiskSpace{(512u << 20) + quint64(c.diskBudget), 2ull << 30}; });
    const bool zip = family == ArchiveFamily::Zip;
    const QString path = scratch.write(zip ? "book.cbz" : "book.cbr", c.archive);
    Messages said;
    EXPECT_EQ((zip ? ExtractZipBook : ExtractRarBook)(path, workDir(), chooser(), said), c.extracted);
    SetDiskSpaceProbe({});
    QStringList shown;
    for (const Message& m : said)
        shown << m.caption + QStringLiteral(": ") + m.text;
    EXPECT_EQ(shown, c.messages);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(askedFamily, family);
    expectWritten(c.written);
    EXPECT_EQ(ReadWholeFile(outside), QByteArray("keep"));
}
