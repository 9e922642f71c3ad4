// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FixedKeys.h"

#include "common/StringTable.h"
#include "dialogs/keys/KeyNames.h"

#include <QCoreApplication>
#include <algorithm>

const QList<FixedKey>& FixedKeys()
{
    // Virtual-key codes: 32 Space, 8 Backspace, 34 Page Down, 33 Page Up, 187 and 189 the main
    // keyboard's + (=) and - keys, 27 Esc, 122 F11, 76 L, 82 R, 50 the 2 key, 79 O, 77 M. The keypad's + and - are key slots already.
    static const char* const kDown = QT_TRANSLATE_NOOP("FixedKeys", "Scroll down one view, then go to next page");
    static const char* const kUp = QT_TRANSLATE_NOOP("FixedKeys", "Scroll up one view, then go to previous page");
    static const char* const kLeave = QT_TRANSLATE_NOOP("FixedKeys", "Leave fullscreen mode");
    static const char* const kLeft = QT_TRANSLATE_NOOP("FixedKeys", "Rotate the page 90° left");
    static const char* const kRight = QT_TRANSLATE_NOOP("FixedKeys", "Rotate the page 90° right");
    static const char* const kTwo = QT_TRANSLATE_NOOP("FixedKeys", "Two pages side by side");
    static const char* const kShift = QT_TRANSLATE_NOOP("FixedKeys", "Move the pairs by one page");
    static const char* const kManga = QT_TRANSLATE_NOOP("FixedKeys", "Manga order (right to left)");
    static const QList<FixedKey> keys = {
        {32, false, false, Command::ScrollOrForward, 0, kDown},
        {32, true, false, Command::ScrollOrBack, 0, kUp},
        {8, false, false, Command::ScrollOrBack, 0, kUp},
        {34, false, false, Command::Forward, 19},
        {33, false, false, Command::Back, 20},
        {187, false, true, Command::ZoomIn, 28},
        {189, false, true, Command::ZoomOut, 29},
        {27, false, false, Command::LeaveFullscreen, 0, kLeave},
        {122, false, false, Command::Fullscreen, 37},
        {76, false, false, Command::RotateLeft, 0, kLeft},
        {82, false, false, Command::RotateRight, 0, kRight},
        {50, false, false, Command::TwoPages, 0, kTwo},
        {79, false, false, Command::ShiftPairs, 0, kShift},
        {77, false, false, Command::MangaOrder, 0, kManga},
    };
    return keys;
}

std::optional<Command> MatchFixedKey(const AccelTable& table, const KeyStroke& stroke)
{
    if (stroke.virtualKey == 0 || stroke.ctrl || stroke.alt)
        return std::nullopt;
    const bool slotHoldsIt = std::any_of(table.begin(), table.end(), [&](const AccelEntry& entry) {
        return (entry.flags & kAccelVirtKey) && entry.key == stroke.virtualKey;
    });
    if (slotHoldsIt)
        return std::nullopt;
    for (const FixedKey& key : FixedKeys())
        if (key.virtualKey == stroke.virtualKey && (key.anyShift || key.shift == stroke.shift))
            return key.command;
    return std::nullopt;
}

QList<FixedKeyRow> FixedKeyRows()
{
    QList<FixedKeyRow> rows;
    for (const FixedKey& key : FixedKeys()) {
        QString keyText = key.virtualKey == 187 ? QStringLiteral("+") : key.virtualKey == 189 ? QStringLiteral("-")
                                                                                              : KeyName(key.virtualKey);
        if (key.shift)
            keyText.prepend(QCoreApplication::translate("FixedKeys", "SHIFT + "));
        rows.append({key.name ? StringText(key.name) : QCoreApplication::translate("FixedKeys", key.ownName), keyText});
    }
    return rows;
}

ControlNames ControlsPageNames()
{
    ControlNames names = CommandControlNames();
    names.fixedKeys = FixedKeyRows();
    return names;
}
