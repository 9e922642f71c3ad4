// SPDX-License-Identifier: GPL-3.0-or-later
// The rar header walk over arbitrary bytes: sizes and offsets taken from the headers must never lead
// outside the file, overflow, or hang.

#include "book/archive/RarHeaderIndex.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.rar"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    (void)ReadRarHeaderIndex({path});
    return 0;
}
