#pragma once
// The settings variables, one per key of the settings file and named after it, and the rules that turn
// the file's texts into values and back.

#include <QByteArray>
#include <QString>
#include <cstdint>

class SettingsReader;

struct Settings {
    using Int = std::int32_t;
    using Short = std::int16_t;
    using Flag = bool;
    using Text = QString;
    using LongText = QString;
    using DirText = QString;

#define SETTING(kind, key, def) kind key{};
#include "app/settings.def"
#undef SETTING

    static constexpr int kKeyCount = 70;
    static constexpr int kKeySlots = 20;

    // Key slot i (0..19): its virtual-key code and its modifier code.
    Int& vk(int slot);
    Int& sk(int slot);
    Int vk(int slot) const { return const_cast<Settings*>(this)->vk(slot); }
    Int sk(int slot) const { return const_cast<Settings*>(this)->sk(slot); }
};

// Text settings keep at most this many characters.
inline constexpr int kMaxTextSettingChars = 259;

// Integer value of a settings text the way C's atoi reads it: leading blanks, an optional sign, digits
// up to the first non-digit; no digits gives 0. Values beyond 32 bits saturate instead of overflowing.
std::int32_t SettingsInt(QByteArrayView text);

// True only for the exact text "true".
bool SettingsFlag(QByteArrayView text);

// Every key looked up in `reader` in table order with its default, then the reading clamps applied.
// `exeDir` is the default of the two start directories.
Settings ReadSettings(const SettingsReader& reader, const QString& exeDir);

// What the previous-run group of the file is written from: the book open now, if any.
struct OpenBookPosition {
    QString bookPath; // empty when no book is open
    std::int32_t pageIndex = 0;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
};

// The whole file text, 70 lines in table order.
QByteArray SettingsFileText(const Settings& settings, const OpenBookPosition& book);

// Writes the settings file. The text goes to a temporary file beside it that then replaces the old
// one, so a crash or a full disk never leaves a truncated file. Returns false (and reports nothing)
// when the file can't be written.
bool WriteSettings(const QString& path, const Settings& settings, const OpenBookPosition& book);
