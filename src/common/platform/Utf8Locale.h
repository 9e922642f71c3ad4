// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calling thread's character set switched to UTF-8 for a scope. libarchive converts entry names
// through it; under a "C" locale it gives no name at all for Japanese, Cyrillic or accented names, so
// every call into it runs under a UTF-8 one.

#include <locale.h>

class ScopedUtf8Locale {
public:
    ScopedUtf8Locale();
    ~ScopedUtf8Locale();
    ScopedUtf8Locale(const ScopedUtf8Locale&) = delete;
    ScopedUtf8Locale& operator=(const ScopedUtf8Locale&) = delete;

private:
    locale_t m_previous = nullptr;
};
