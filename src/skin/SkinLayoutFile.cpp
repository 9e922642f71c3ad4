// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/SkinLayoutFile.h"

#include "common/RegularFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr qsizetype kMaxLineChars = 98;

// A layout is a few kilobytes; a file beyond this is read only this far.
constexpr qint64 kMaxLayoutBytes = 16 << 20;

// Hands out the file's lines as the parser sees them: each with its line feed when it had one.
class LineReader {
public:
    explicit LineReader(QByteArrayView content) : m_content(content) {}

    bool next(QByteArray& line)
    {
        line.clear();
        if (m_position >= m_content.size())
            return false;
        while (m_position < m_content.size()) {
            // A line feed ends the line, even right after 98 characters; any other character there
            // starts the next line.
            if (const qsizetype feed = lineFeedLength(); feed > 0) {
                m_position += feed;
                line.append('\n');
                break;
            }
            if (line.size() == kMaxLineChars)
                break;
            line.append(m_content[m_position++]);
        }
        // The line is a C string to the parser: it ends at a NUL byte.
        if (const qsizetype nul = line.indexOf('\0'); nul >= 0)
            line.truncate(nul);
        return true;
    }

private:
    // 1 for a line feed at the reading position, 2 for CR LF (text mode drops the CR), else 0.
    qsizetype lineFeedLength() const
    {
        if (m_content[m_position] == '\n')
            return 1;
        if (m_content[m_position] == '\r' && m_position + 1 < m_content.size() && m_content[m_position + 1] == '\n')
            return 2;
        return 0;
    }

    QByteArrayView m_content;
    qsizetype m_position = 0;
};

// The decimal rule: leading blanks and a sign, digits up to the first non-digit, no digits give 0.
// Beyond 32 bits the value stays at the nearest end.
std::int32_t toNumber(QByteArrayView field)
{
    qsizetype i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kCeiling = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = std::min(value * 10 + (field[i] - '0'), kCeiling);
    value = negative ? -value : std::min(value, kCeiling - 1);
    return std::int32_t(value);
}

QByteArray upper(QByteArray text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

QString lowerText(QByteArray text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return QString::fromLatin1(text);
}

enum class Kind { Size, Move, Bmp, Button, Slider, Text, Region };

// One element keyword: its word in the file, its word in the reports, how many numbers it reads and the
// length limit of its name field (0 when it has none).
struct Keyword {
    const char* word;
    Kind kind;
    const char* report;
    int numbers;
    int maxName;
};

constexpr Keyword kKeywords[] = {
    {"SIZE", Kind::Size, "size", 4, 0},        {"MOVE", Kind::Move, "move", 4, 0},
    {"BMP", Kind::Bmp, "bmp", 4, 0},           {"BUTTON", Kind::Button, "button", 6, 11},
    {"SLIDER", Kind::Slider, "slider", 8, 11}, {"TEXT", Kind::Text, "text", 7, 9},
    {"REGION", Kind::Region, "region", 9, 0},
};

struct ElementLine {
    std::int32_t n[9] = {};
    QByteArray name;
    bool endsWithEod = false;
};

ElementLine readElement(QByteArrayView line, qsizetype position, const Keyword& keyword)
{
    ElementLine element;
    for (int i = 0; i < keyword.numbers; ++i)
        element.n[i] = toNumber(ReadField(line, position, '|', true));
    if (keyword.maxName > 0)
        element.name = ReadField(line, position, '|', true);
    element.endsWithEod = upper(ReadField(line, position, '|', true)) == "EOD";
    return element;
}

template <typename Record> bool hasRoom(const SkinTable<Record>& table)
{
    return int(table.records.size()) < table.capacity;
}

bool tableHasRoom(const SkinLayout& layout, Kind kind)
{
    switch (kind) {
    case Kind::Button: return hasRoom(layout.buttons);
    case Kind::Slider: return hasRoom(layout.sliders);
    case Kind::Text: return hasRoom(layout.texts);
    case Kind::Region: return hasRoom(layout.regions);
    default: return true;
    }
}

void store(SkinLayout& layout, Kind kind, const ElementLine& e)
{
    const std::int32_t* n = e.n;
    switch (kind) {
    case Kind::Size: layout.sizeArea = {n[0], n[1], n[2], n[3]}; break;
    case Kind::Move: layout.moveArea = {n[0], n[1], n[2], n[3]}; break;
    case Kind::Bmp: layout.pageArea = {n[0], n[1], n[2], n[3]}; break;
    case Kind::Button: layout.buttons.records.push_back({n[0], n[1], n[2], n[3], n[4], n[5], lowerText(e.name)}); break;
    case Kind::Slider:
        layout.sliders.records.push_back({n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], lowerText(e.name)});
        break;
    case Kind::Text: {
        SkinText text;
        text.x = n[0];
        text.y = n[1];
        text.width = n[2];
        text.cellWidth = n[3];
        text.cellHeight = n[4];
        text.srcX = n[5];
        text.srcY = n[6];
        text.name = lowerText(e.name);
        layout.texts.records.push_back(text);
        break;
    }
    case Kind::Region: layout.regions.records.push_back({n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8]}); break;
    }
}

// The INIT line: four counts and the empty field that ends them, nothing more.
bool readInit(SkinLayout& layout, QByteArrayView line, qsizetype position)
{
    std::int32_t counts[4] = {};
    int fields = 0;
    for (;;) {
        const QByteArray field = ReadField(line, position, '|', true);
        ++fields;
        if (field.isEmpty())
            break;
        if (fields <= 4)
            counts[fields - 1] = toNumber(field);
    }
    if (fields != 5)
        return false;
    const auto capacity = [](std::int32_t count) { return std::clamp<std::int32_t>(count, 0, kMaxSkinRecords); };
    layout.regions.capacity = capacity(counts[0]);
    layout.buttons.capacity = capacity(counts[1]);
    layout.sliders.capacity = capacity(counts[2]);
    layout.texts.capacity = capacity(counts[3]);
    return true;
}

QString notValide(const Keyword& keyword, int lineNumber)
{
    return QStringLiteral("ERROR: %1 not valide at line %2").arg(QLatin1String(keyword.report)).arg(lineNumber);
}

QString beyondCapacity(const Keyword& keyword, int lineNumber)
{
    return QStringLiteral("ERROR: %1 beyond the INIT count at line %2")
        .arg(QLatin1String(keyword.report))
        .arg(lineNumber);
}

QString nameTooLong(const Keyword& keyword, int lineNumber)
{
    return QStringLiteral("ERROR: %1 name too long at line %2").arg(QLatin1String(keyword.report)).arg(lineNumber);
}

} // namespace

QByteArray ReadField(QByteArrayView line, qsizetype& position, char separator, bool stopAtNewline)
{
    if (position < 0 || position >= line.size()) {
        position = std::max(position, line.size() + 1);
        return {};
    }
    qsizetype end = position;
    while (end < line.size() && line[end] != separator && !(stopAtNewline && line[end] == '\n'))
        ++end;
    QByteArray field = line.sliced(position, end - position).toByteArray();
    position = end + 1;
    return field;
}

bool ParseSkinLayout(SkinLayout& layout, QByteArrayView content, QStringList& reports)
{
    layout.regions = {};
    layout.buttons = {};
    layout.sliders = {};
    layout.texts = {};
    layout.hotButton = -1;
    layout.hotSlider = -1;

    LineReader lines(content);
    QByteArray line;
    lines.next(line); // an empty file reads as one empty line
    qsizetype position = 0;
    if (upper(ReadField(line, position, ':', false)) != "INIT") {
        reports << QStringLiteral("Error: no INIT first ");
        return false;
    }
    if (!readInit(layout, line, position)) {
        reports << QStringLiteral("ERROR: INIT sentence is not complete");
        return false;
    }

    int lineNumber = 1;
    while (lines.next(line)) {
        ++lineNumber;
        position = 0;
        const QByteArray word = upper(ReadField(line, position, ':', false));
        if (word.isEmpty())
            continue;
        const auto keyword = std::find_if(std::begin(kKeywords), std::end(kKeywords),
                                          [&word](const Keyword& k) { return word == k.word; });
        if (keyword == std::end(kKeywords))
            continue; // a comment
        const ElementLine element = readElement(line, position, *keyword);
        // A line the table has no room for, or whose name is longer than a record holds, is left out
        // whole: a cut name would name another action or element.
        if (!tableHasRoom(layout, keyword->kind)) {
            reports << beyondCapacity(*keyword, lineNumber);
            continue;
        }
        if (element.name.size() > keyword->maxName && keyword->maxName > 0) {
            reports << nameTooLong(*keyword, lineNumber);
            continue;
        }
        store(layout, keyword->kind, element);
        if (!element.endsWithEod)
            reports << notValide(*keyword, lineNumber);
    }
    return true;
}

bool LoadSkinLayout(SkinLayout& layout, const QString& skinDir, Messages& messages)
{
    QStringList reports;
    const std::optional<QByteArray> bytes = skinDir.isEmpty()
        ? std::nullopt
        : ReadRegularFile(skinDir + QStringLiteral("layout.cor"), kMaxLayoutBytes);
    bool loaded = false;
    if (bytes) {
        loaded = ParseSkinLayout(layout, *bytes, reports);
    } else {
        ParseSkinLayout(layout, "INIT:0|0|0|0|", reports); // the tables go all the same
        reports << QStringLiteral("Error: opening file");
    }
    const auto caption = QStringLiteral("ERROR");
    for (int i = 0; i < reports.size() && i < kMaxLayoutReports; ++i)
        messages.push_back({reports[i], caption});
    if (reports.size() > kMaxLayoutReports)
        messages.push_back(
            {QStringLiteral("ERROR: %1 more errors in layout.cor not shown").arg(reports.size() - kMaxLayoutReports),
             caption});
    return loaded;
}
