// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings variables, one per key of the settings file and named after it. Every layer reads the
// ones it works with; the file itself is read and written by the app (app/SettingsFile.h).

#include <QString>
#include <cstdint>

struct Settings {
    using Int = std::int32_t;
    using Short = std::int16_t;
    using Flag = bool;
    using Switch = bool;
    using Text = QString;
    using LongText = QString;
    using DirText = QString;

#define SETTING(kind, key, def) kind key{};
#include "common/settings.def"
#undef SETTING

    static constexpr int kKeySlots = 21;

    // Key slot i (0..20): its virtual-key code and its modifier code.
    Int& vk(int slot);
    Int& sk(int slot);
    Int vk(int slot) const
    {
        return const_cast<Settings*>(this)->vk(slot);
    }
    Int sk(int slot) const
    {
        return const_cast<Settings*>(this)->sk(slot);
    }
};

// Text settings keep at most this many characters.
inline constexpr int kMaxTextSettingChars = 259;
