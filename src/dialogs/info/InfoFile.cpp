// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/info/InfoFile.h"

#include "common/RegularFile.h"


namespace {
constexpr qsizetype kReadChars = 275;
constexpr qsizetype kKeyChars = 20;
constexpr qint64 kMaxInfoBytes = 16 * 1024 * 1024;

void addLine(QList<InfoEntry>& entries, QStringView line)
{
    while (!line.isEmpty() && (line.back() == u'\r' || line.back() == u'\n'))
        line.chop(1);
    if (line.isEmpty() || line.front() == u'[')
        return;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    entries.append({line.left(std::min(equals, kKeyChars)).toString(), line.mid(equals + 1).toString()});
}
} // namespace

QList<InfoEntry> ParseInfoFile(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<InfoEntry> entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end + 1;
        // A line longer than one read goes on as the next line.
        for (qsizetype piece = start; piece < end; piece += kReadChars)
            addLine(entries, QStringView(text).mid(piece, std::min(kReadChars, end - piece)));
        start = end;
    }
    return entries;
}

QList<InfoEntry> ReadInfoFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxInfoBytes);
    return bytes ? ParseInfoFile(*bytes) : QList<InfoEntry>();
}
