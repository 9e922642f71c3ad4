// SPDX-License-Identifier: GPL-3.0-or-later
// bullevista-decode: decodes one file to a PPM through the viewer's path, and says by its exit status
// whether it could.

#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

int run(const QStringList& args, QByteArray* errors = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(BV_BINARY_DIR "/bullevista-decode"), args);
    if (!p.waitForFinished(60000))
        return -1;
    if (errors)
        *errors = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

TEST(DecodeTool, WritesTheDecodedPixelsAsPpm)
{
    ScratchDir dir;
    QImage page(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            page.setPixel(x, y, qRgb(40 + x * 40, 100, 200 - y * 80));
    ASSERT_TRUE(page.save(dir.file("page.png")));

    ASSERT_EQ(run({dir.file("page.png"), dir.file("plain.ppm")}), 0);
    const QByteArray plain = ReadWholeFile(dir.file("plain.ppm"));
    ASSERT_TRUE(plain.startsWith("P6\n5 3\n255\n"));
    EXPECT_EQ(plain.size(), 11 + 5 * 3 * 3);
    EXPECT_EQ(QImage(dir.file("plain.ppm")), page.convertToFormat(QImage::Format_RGB32));

    // As a page, normalisation (on by default) stretches 40..200 to 0..255.
    ASSERT_EQ(run({QStringLiteral("--page"), dir.file("page.png"), dir.file("page.ppm")}), 0);
    const QImage normalised(dir.file("page.ppm"));
    EXPECT_EQ(normalised.pixel(0, 0), qRgb(0, 95, 255));
    EXPECT_EQ(normalised.pixel(4, 2), qRgb(255, 95, 0));
}

TEST(DecodeTool, FailsWithStatusOneOnWhatItCantDecode)
{
    ScratchDir dir;
    EXPECT_EQ(run({dir.write("notes.jpg", "just text"), dir.file("out.ppm")}), 1);
    EXPECT_EQ(run({dir.file("missing.png"), dir.file("out.ppm")}), 1);
    QByteArray errors;
    EXPECT_EQ(run({QStringLiteral("--page"), dir.file("notes.jpg"), dir.file("out.ppm")}, &errors), 1);
    EXPECT_TRUE(errors.contains("can't decode " + QFile::encodeName(dir.file("notes.jpg")))) << errors.constData();
    EXPECT_FALSE(QFileInfo::exists(dir.file("out.ppm")));
}

} // namespace
