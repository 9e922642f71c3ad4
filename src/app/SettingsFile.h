// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file: the rules that turn its texts into the settings values and back.

#include "common/Settings.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class SettingsReader;

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
