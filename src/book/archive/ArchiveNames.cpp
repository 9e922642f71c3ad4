// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ArchiveNames.h"

#include <QStringList>
#include <array>

namespace {
struct FoldRow {
    unsigned char from, to;
};

constexpr FoldRow kFoldTable[] = {
    {0x81, 0xFC}, {0x82, 0xE9}, {0x83, 0xE2}, {0x84, 0xE4}, {0x85, 0xE0}, {0x86, 0xE5}, {0x88, 0xEA}, {0x89, 0xEB},
    {0x8A, 0xE8}, {0x8B, 0xEF}, {0x8C, 0xEE}, {0x8D, 0xEC}, {0x90, 0x45}, {0x93, 0xF4}, {0x94, 0xF6}, {0x95, 0xF2},
    {0x96, 0xFB}, {0x97, 0xF9}, {0xA0, 0xE1}, {0xA1, 0xED}, {0xA2, 0xF3}, {0xA3, 0xFA},
};

constexpr std::array<unsigned char, 256> makeFoldMap()
{
    std::array<unsigned char, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[i] = static_cast<unsigned char>(i);
    for (const FoldRow& row : kFoldTable)
        map[row.from] = row.to;
    return map;
}

constexpr auto kFoldMap = makeFoldMap();

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes keep their C1 code.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kWindows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}
} // namespace

void FoldArchiveName(QByteArray& name)
{
    for (char& c : name)
        c = static_cast<char>(kFoldMap[static_cast<unsigned char>(c)]);
}

QString ArchiveNameText(const QByteArray& raw, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(raw);
    QByteArray folded = raw;
    FoldArchiveName(folded);
    return fromWindows1252(folded);
}

bool IsUnsafeArchivePath(const QString& name)
{
    if (!name.isEmpty() && isSeparator(name.front()))
        return true;
    if (name.contains(QChar(0)))
        return true; // the file system would cut the name there
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter())
        return true; // a drive letter
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isSeparator(name[i])) {
            if (QStringView(name).sliced(start, i - start) == u"..")
                return true;
            start = i + 1;
        }
    }
    return false;
}

QString SafeBareName(const QString& name)
{
    if (name.contains(QChar(0)))
        return {}; // the file system would cut the name there
    qsizetype cut = name.size();
    while (cut > 0 && !isSeparator(name[cut - 1]))
        --cut;
    QString bare = name.mid(cut);
    if (bare.size() >= 2 && bare[1] == u':' && bare[0].isLetter())
        bare.remove(0, 2); // 'C:p2.jpg' names 'p2.jpg' on drive C
    if (bare == u"." || bare == u"..")
        return {};
    return bare;
}

bool IsAppleDoubleName(const QString& name)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isSeparator(name[i])) {
            const QStringView component = QStringView(name).sliced(start, i - start);
            if (component == u"__MACOSX" || (i == name.size() && component.startsWith(u"._")))
                return true;
            start = i + 1;
        }
    }
    return false;
}
