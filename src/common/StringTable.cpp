// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/StringTable.h"

#include <QCoreApplication>
#include <array>

namespace {
struct NumberedText {
    const char* text;
    const char* comment; // tells apart ids whose English is the same (10 and 19), so each can read differently
};

const std::array<NumberedText, kStringCount> kEnglish = {{
    QT_TRANSLATE_NOOP3("StringTable", "Default (English)", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Info... (info.BDi not found)", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Key", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Value", ""),
    QT_TRANSLATE_NOOP3("StringTable", "General", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Display", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Skins", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Plugins", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Controls", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Go to next page", "gesture"),
    QT_TRANSLATE_NOOP3("StringTable", "Go to previous page", "gesture"),
    QT_TRANSLATE_NOOP3("StringTable", "Show the main menu", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Toggle stretched view", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Navigate the current page", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Navigate Up", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Navigate Down", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Navigate Left", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Navigate Right", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Go to next page", "key"),
    QT_TRANSLATE_NOOP3("StringTable", "Go to previous page", "key"),
    QT_TRANSLATE_NOOP3("StringTable", "Jump to...", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Open a file", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Open a directory", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Open info dialog", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Open preference dialog", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Toggle Stretched view", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Toggle Fullscreen view", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Zoom Up", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Zoom Down", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Exit application", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Go to top of the page", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Go to end of the page", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Toggle Flipped view", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Open book from last session", ""),
    QT_TRANSLATE_NOOP3("StringTable", "None", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Page number : ", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Toggle fullscreen mode", ""),
    QT_TRANSLATE_NOOP3("StringTable", "Show the page overview", ""),
}};

} // namespace

const char* EnglishStringText(int id)
{
    return id >= 1 && id <= kStringCount ? kEnglish[std::size_t(id - 1)].text : nullptr;
}

QString StringText(int id)
{
    if (!EnglishStringText(id))
        return {};
    const NumberedText& entry = kEnglish[std::size_t(id - 1)];
    return QCoreApplication::translate("StringTable", entry.text, entry.comment);
}
