// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsReader.h"

#include <cstdio>
#include <cstring>

namespace {
// A key=value file is a few kilobytes; reading stops after this much so that a huge or endless file
// (a device, a mistaken path) can't hang the start or eat the memory.
constexpr qsizetype kMaxFileBytes = 16 * 1024 * 1024;

// Splits `bytes` the way successive fixed-buffer line reads do: each read ends after a line feed or
// after 275 bytes, so a longer line comes back in pieces. `pending` carries an unfinished read over
// from the previous block; the caller ends the last one.
template <typename Emit> void splitReads(QByteArrayView bytes, QByteArray& pending, Emit&& take)
{
    constexpr qsizetype perRead = SettingsReader::kLineBufferBytes - 1;
    for (const char c : bytes) {
        pending.append(c);
        if (c == '\n' || pending.size() == perRead) {
            take(QByteArrayView(pending));
            pending.clear();
        }
    }
}
} // namespace

SettingsReader::SettingsReader(const QString& path) : m_path(path)
{
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (!file)
        return;
    QByteArray pending;
    char block[64 * 1024];
    qsizetype total = 0;
    while (total < kMaxFileBytes) {
        const std::size_t got = std::fread(block, 1, sizeof block, file);
        if (got == 0)
            break; // end of file or a read error: both end the reading
        total += qsizetype(got);
        splitReads(QByteArrayView(block, qsizetype(got)), pending, [this](QByteArrayView l) { addLine(l); });
    }
    if (!pending.isEmpty())
        addLine(pending);
    std::fclose(file);
}

SettingsReader SettingsReader::fromText(QByteArrayView text)
{
    SettingsReader reader;
    QByteArray pending;
    splitReads(text, pending, [&reader](QByteArrayView l) { reader.addLine(l); });
    if (!pending.isEmpty())
        reader.addLine(pending);
    return reader;
}

void SettingsReader::addLine(QByteArrayView read)
{
    // A read is a C string: anything after a NUL byte is not part of it.
    QByteArrayView line = read.first(qsizetype(::strnlen(read.data(), std::size_t(read.size()))));
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\n'))
        line.chop(1);
    if (line.isEmpty() || line.front() == '[')
        return;
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return;
    m_entries.push_back(
        {line.first(eq).first(qMin(eq, qsizetype(kMaxKeyBytes))).toByteArray(), line.sliced(eq + 1).toByteArray()});
}

QByteArray SettingsReader::lookup(QByteArrayView key, QByteArrayView fallback) const
{
    for (const Entry& e : m_entries)
        if (e.key == key)
            return e.value;
    return fallback.toByteArray();
}
