// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/association/MimeAppsList.h"

namespace {
const QByteArray kDefaultGroup = QByteArrayLiteral("[Default Applications]");
const QByteArray kRemovedGroup = QByteArrayLiteral("[Removed Associations]");

// One line of the file without its "\n"; a "\r" before it stays part of the line and is kept when the
// line is rewritten.
struct Line {
    QByteArray text;
    bool crlf() const { return text.endsWith('\r'); }
    QByteArray trimmed() const { return text.trimmed(); }
};

struct Lines {
    QList<Line> lines;
    bool endsWithNewline = false;
};

bool isEditable(const QByteArray& list)
{
    return list.size() <= kMaxMimeAppsListBytes && !list.contains('\0');
}

Lines splitLines(const QByteArray& list)
{
    Lines result;
    result.endsWithNewline = list.endsWith('\n');
    QByteArrayList parts = list.split('\n');
    if (result.endsWithNewline || list.isEmpty())
        parts.removeLast();
    for (QByteArray& part : parts)
        result.lines.append({std::move(part)});
    return result;
}

QByteArray joinLines(const Lines& lines)
{
    QByteArray out;
    for (qsizetype i = 0; i < lines.lines.size(); ++i) {
        out += lines.lines[i].text;
        if (i + 1 < lines.lines.size() || lines.endsWithNewline)
            out += '\n';
    }
    return out;
}

bool isGroupHeader(const Line& line)
{
    return line.trimmed().startsWith('[');
}

// The key of a "key=value" line ("" for any other line); blanks around the key don't count.
QByteArray keyOf(const Line& line)
{
    const qsizetype equals = line.text.indexOf('=');
    return equals < 0 || isGroupHeader(line) ? QByteArray() : line.text.left(equals).trimmed();
}

QByteArrayList idsOf(const Line& line)
{
    QByteArrayList ids;
    const QByteArray value = line.text.mid(line.text.indexOf('=') + 1);
    for (const QByteArray& id : value.split(';'))
        if (!id.trimmed().isEmpty())
            ids.append(id.trimmed());
    return ids;
}

Line keyLine(const QByteArray& key, const QByteArrayList& ids, bool crlf)
{
    return {key + '=' + ids.join(';') + ';' + (crlf ? "\r" : "")};
}

// Calls `visit` with the index of every line for `key` inside a group named `group`.
template <typename Visit>
void forEachKeyLine(const Lines& lines, const QByteArray& group, const QByteArray& key, Visit visit)
{
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.lines.size(); ++i) {
        const Line& line = lines.lines[i];
        if (isGroupHeader(line))
            inGroup = line.trimmed() == group;
        else if (inGroup && keyOf(line) == key)
            visit(i);
    }
}

qsizetype firstKeyLine(const Lines& lines, const QByteArray& group, const QByteArray& key)
{
    qsizetype first = -1;
    forEachKeyLine(lines, group, key, [&first](qsizetype i) {
        if (first < 0)
            first = i;
    });
    return first;
}

// Takes `id` out of every line for `key` in `group`; a line left empty goes.
void removeId(Lines& lines, const QByteArray& group, const QByteArray& key, const QByteArray& id)
{
    QList<qsizetype> emptied;
    forEachKeyLine(lines, group, key, [&](qsizetype i) {
        Line& line = lines.lines[i];
        QByteArrayList ids = idsOf(line);
        if (ids.removeAll(id) == 0)
            return;
        if (ids.isEmpty())
            emptied.prepend(i);
        else
            line = keyLine(key, ids, line.crlf());
    });
    for (qsizetype i : emptied)
        lines.lines.removeAt(i);
}
} // namespace

QByteArrayList DefaultApplications(const QByteArray& list, const QByteArray& mimeType)
{
    const Lines lines = splitLines(list);
    const qsizetype at = firstKeyLine(lines, kDefaultGroup, mimeType);
    return at < 0 ? QByteArrayList() : idsOf(lines.lines[at]);
}

std::optional<QByteArray> WithDefaultApplication(const QByteArray& list, const QByteArray& mimeType,
                                                 const QByteArray& desktopId)
{
    if (!isEditable(list))
        return std::nullopt;
    Lines lines = splitLines(list);
    removeId(lines, kRemovedGroup, mimeType, desktopId);

    const qsizetype at = firstKeyLine(lines, kDefaultGroup, mimeType);
    if (at >= 0) {
        QByteArrayList ids = idsOf(lines.lines[at]);
        ids.removeAll(desktopId);
        ids.prepend(desktopId);
        lines.lines[at] = keyLine(mimeType, ids, lines.lines[at].crlf());
        return joinLines(lines);
    }
    for (qsizetype i = 0; i < lines.lines.size(); ++i) {
        if (lines.lines[i].trimmed() == kDefaultGroup) {
            lines.lines.insert(i + 1, keyLine(mimeType, {desktopId}, lines.lines[i].crlf()));
            return joinLines(lines);
        }
    }
    // No group yet: a new one at the end, after a blank line when the file has text.
    if (!lines.lines.isEmpty() && !lines.lines.last().trimmed().isEmpty())
        lines.lines.append(Line{});
    lines.lines.append(Line{kDefaultGroup});
    lines.lines.append(keyLine(mimeType, {desktopId}, false));
    lines.endsWithNewline = true;
    return joinLines(lines);
}

std::optional<QByteArray> WithoutDefaultApplication(const QByteArray& list, const QByteArray& mimeType,
                                                    const QByteArray& desktopId)
{
    if (!isEditable(list))
        return std::nullopt;
    Lines lines = splitLines(list);
    removeId(lines, kDefaultGroup, mimeType, desktopId);
    return joinLines(lines);
}
