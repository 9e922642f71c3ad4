// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Little-endian fields and checksums, as both test archive writers lay them down.

#include <QByteArray>
#include <zlib.h>

// `v` in its lowest `width` bytes, lowest first.
inline QByteArray le(quint64 v, int width)
{
    QByteArray out;
    for (int i = 0; i < width; ++i)
        out.append(char(v >> (8 * i)));
    return out;
}

inline quint32 crcOf(const QByteArray& data)
{
    return quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
}
