// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include "app/SettingsReader.h"

#include <QSaveFile>
#include <array>
#include <climits>

namespace {

bool isCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reading, one function per kind.
void readValue(Settings::Int& into, const QByteArray& text, const QString&)
{
    into = SettingsInt(text);
}
void readValue(Settings::Short& into, const QByteArray& text, const QString&)
{
    into = static_cast<Settings::Short>(SettingsInt(text)); // the mouse keys are 16-bit: wraps like the stored value
}
void readValue(Settings::Flag& into, const QByteArray& text, const QString&)
{
    into = SettingsFlag(text);
}
// A switch reads "true" or "false"; anything else, hand-edited or from a newer file, is its default.
void readSwitch(bool& into, const QByteArray& text, const char* def)
{
    into = text == "true" || (text != "false" && QByteArrayView(def) == "true");
}
void readText(QString& into, const QByteArray& text, bool cut)
{
    into = QString::fromUtf8(text);
    if (cut && into.size() > kMaxTextSettingChars)
        into.truncate(kMaxTextSettingChars);
}

// Texts are written as single lines: a line break inside one would split it into two entries.
QByteArray oneLine(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', QByteArray()).replace('\n', QByteArray());
    return bytes;
}

QByteArray writtenValue(Settings::Int v)
{
    return QByteArray::number(v);
}
QByteArray writtenValue(Settings::Short v)
{
    return QByteArray::number(v);
}
QByteArray writtenValue(Settings::Flag v)
{
    return v ? "true" : "false";
}
QByteArray writtenValue(const QString& v)
{
    return oneLine(v);
}
} // namespace

std::int32_t SettingsInt(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1LL + INT_MAX)
            value = 1LL + INT_MAX; // saturate: no overflow however many digits follow
    }
    if (negative)
        return std::int32_t(-value < INT_MIN ? INT_MIN : -value);
    return std::int32_t(value > INT_MAX ? INT_MAX : value);
}

bool SettingsFlag(QByteArrayView text)
{
    return text == "true";
}

Settings ReadSettings(const SettingsReader& reader, const QString& exeDir)
{
    Settings s;
    const QByteArray exeDirDefault = exeDir.toUtf8();
#define SETTING(kind, key, def) SETTING_READ_##kind(key, def)
#define SETTING_READ_Int(key, def) readValue(s.key, reader.lookup(#key, def), exeDir);
#define SETTING_READ_Short(key, def) readValue(s.key, reader.lookup(#key, def), exeDir);
#define SETTING_READ_Flag(key, def) readValue(s.key, reader.lookup(#key, def), exeDir);
#define SETTING_READ_Switch(key, def) readSwitch(s.key, reader.lookup(#key, def), def);
#define SETTING_READ_Text(key, def) readText(s.key, reader.lookup(#key, def), true);
#define SETTING_READ_LongText(key, def) readText(s.key, reader.lookup(#key, def), false);
#define SETTING_READ_DirText(key, def) readText(s.key, reader.lookup(#key, exeDirDefault), true);
#include "common/settings.def"
#undef SETTING
    if (s.mousewheelval > 999)
        s.mousewheelval = 999;
    // The contrast slider only ever stores -127..127; a hand-edited value beyond that would index
    // outside the contrast table.
    s.contrastval = qBound(-127, s.contrastval, 127);
    return s;
}

QByteArray SettingsFileText(const Settings& settings, const OpenBookPosition& book)
{
    // The previous-run group describes the book open now; with none open, what was read is kept so the
    // previous book stays reachable.
    Settings s = settings;
    if (!book.bookPath.isEmpty()) {
        s.previousbook = book.bookPath;
        s.previouspage = book.pageIndex;
        s.previousx = book.scrollX;
        s.previousy = book.scrollY;
    }
    QByteArray text;
    text.reserve(1200);
#define SETTING(kind, key, def) text += #key "=" + writtenValue(s.key) + '\n';
#include "common/settings.def"
#undef SETTING
    return text;
}

bool WriteSettings(const QString& path, const Settings& settings, const OpenBookPosition& book)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = SettingsFileText(settings, book);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
