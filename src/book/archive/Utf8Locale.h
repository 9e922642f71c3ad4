#pragma once
// libarchive converts entry names through the thread's character set. Under a "C" locale it gives no
// name at all for Japanese, Cyrillic or accented names, so every call into it runs under a UTF-8 one.

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
