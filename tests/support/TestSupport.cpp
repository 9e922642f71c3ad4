// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

ScratchDir::ScratchDir() : m_dir(QDir::tempPath() + QStringLiteral("/bullevista-test-XXXXXX")) {}

QString ScratchDir::path() const
{
    return m_dir.path() + u'/';
}

QString ScratchDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray NoiseBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 2654435761u) >> 13);
    return bytes;
}

QImage CoordinateImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, 0x80));
    return image;
}

QString WriteSkin(const ScratchDir& dir, const QString& name, const QByteArray& layout, const QString& missing)
{
    const QString folder = dir.write(name + "/layout.cor", layout).chopped(10);
    for (const char* bitmap : {"background", "elements", "font"})
        if (missing != QLatin1String(bitmap))
            CoordinateImage(800, 100).save(folder + bitmap + ".bmp", "BMP");
    return folder;
}

QStringList MessageTexts(const Messages& messages)
{
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

MessageRecorder::MessageRecorder()
{
    m_previous = SetMessageSink([this](const ShownMessage& m) { m_messages.push_back(m); });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageSink(std::move(m_previous));
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const ShownMessage& m : m_messages)
        list << m.text;
    return list;
}

QString WriteTestPdf(const ScratchDir& dir, const QString& name, int heavyPages, int strokes)
{
    const QString path = dir.file(name);
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Le Titre"));
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(400, 600), QPageSize::Point));
    writer.setPageMargins({});
    QPainter painter(&writer);
    painter.fillRect(QRectF(0, 0, 400, 300), Qt::red);
    painter.drawText(QPointF(20, 400), QStringLiteral("Page one"));
    writer.newPage();
    QImage scan(40, 60, QImage::Format_RGB32);
    scan.fill(Qt::blue);
    painter.drawImage(QRectF(0, 0, 400, 600), scan);
    for (int page = 0; page < heavyPages; ++page) {
        writer.newPage();
        painter.setPen(QPen(Qt::black, 0.3));
        for (int k = 0; k < strokes; ++k)
            painter.drawLine(QPointF(k % 400, 0), QPointF(400 - k % 397, 600));
    }
    painter.end();
    return path;
}
