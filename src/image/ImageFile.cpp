// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageFile.h"

#include "image/ImageFormat.h"

#include <QFile>
#include <QFileInfo>

std::optional<std::vector<std::uint8_t>> ReadImageFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size <= 0 || size > kMaxImageFileBytes)
        return std::nullopt;
    // A file that isn't an image (however it is named) is told by its first bytes; the rest of a
    // large one is never read.
    std::uint8_t head[64] = {}; // enough for an AVIF file's list of brands
    const qint64 headBytes = file.peek(reinterpret_cast<char*>(head), qint64(sizeof head));
    if (headBytes <= 0 || SniffImageFormat(std::span(head, std::size_t(headBytes))) == ImageFormat::Unknown)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(reinterpret_cast<char*>(bytes.data()) + done, size - done);
        if (n <= 0)
            break;
        done += n;
    }
    // A file that shrank while being read is decoded as far as it got.
    bytes.resize(static_cast<std::size_t>(done));
    return bytes;
}
