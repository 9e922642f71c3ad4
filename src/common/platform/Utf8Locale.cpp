// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/Utf8Locale.h"

namespace {
locale_t utf8Locale()
{
    // Made once and kept for the whole run; uselocale only switches the calling thread.
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        return made ? made : newlocale(LC_CTYPE_MASK, "en_US.UTF-8", nullptr);
    }();
    return locale;
}
} // namespace

ScopedUtf8Locale::ScopedUtf8Locale()
{
    if (const locale_t locale = utf8Locale())
        m_previous = uselocale(locale);
}

ScopedUtf8Locale::~ScopedUtf8Locale()
{
    if (m_previous)
        uselocale(m_previous);
}
