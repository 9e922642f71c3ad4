// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/keys/KeyNames.h"

#include "common/StringTable.h"

#include <QCoreApplication>

namespace {
struct NamedKey {
    int virtualKey;
    const char* name;
};

// The keys whose names are words; letters, digits and F-keys are named by rule below.
constexpr NamedKey kNamedKeys[] = {
    {8, QT_TRANSLATE_NOOP("KeyNames", "Backspace")},
    {9, QT_TRANSLATE_NOOP("KeyNames", "Tab")},
    {12, QT_TRANSLATE_NOOP("KeyNames", "Num 5")},
    {13, QT_TRANSLATE_NOOP("KeyNames", "Enter")},
    {16, QT_TRANSLATE_NOOP("KeyNames", "Shift")},
    {17, QT_TRANSLATE_NOOP("KeyNames", "Ctrl")},
    {18, QT_TRANSLATE_NOOP("KeyNames", "Alt")},
    {19, QT_TRANSLATE_NOOP("KeyNames", "Pause")},
    {20, QT_TRANSLATE_NOOP("KeyNames", "Caps Lock")},
    {27, QT_TRANSLATE_NOOP("KeyNames", "Esc")},
    {32, QT_TRANSLATE_NOOP("KeyNames", "Space")},
    {33, QT_TRANSLATE_NOOP("KeyNames", "Page Up")},
    {34, QT_TRANSLATE_NOOP("KeyNames", "Page Down")},
    {35, QT_TRANSLATE_NOOP("KeyNames", "End")},
    {36, QT_TRANSLATE_NOOP("KeyNames", "Home")},
    {37, QT_TRANSLATE_NOOP("KeyNames", "Left")},
    {38, QT_TRANSLATE_NOOP("KeyNames", "Up")},
    {39, QT_TRANSLATE_NOOP("KeyNames", "Right")},
    {40, QT_TRANSLATE_NOOP("KeyNames", "Down")},
    {44, QT_TRANSLATE_NOOP("KeyNames", "Prnt Scrn")},
    {45, QT_TRANSLATE_NOOP("KeyNames", "Insert")},
    {46, QT_TRANSLATE_NOOP("KeyNames", "Delete")},
    {91, QT_TRANSLATE_NOOP("KeyNames", "Left Windows")},
    {93, QT_TRANSLATE_NOOP("KeyNames", "Application")},
    {106, QT_TRANSLATE_NOOP("KeyNames", "Num *")},
    {107, QT_TRANSLATE_NOOP("KeyNames", "Num +")},
    {109, QT_TRANSLATE_NOOP("KeyNames", "Num -")},
    {110, QT_TRANSLATE_NOOP("KeyNames", "Num Del")},
    {111, QT_TRANSLATE_NOOP("KeyNames", "Num /")},
    {144, QT_TRANSLATE_NOOP("KeyNames", "Num Lock")},
    {145, QT_TRANSLATE_NOOP("KeyNames", "Scroll Lock")},
    {186, ";"},
    {187, "="},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {192, "`"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "'"},
};
} // namespace

QString KeyName(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return QString(QChar(virtualKey));
    if (virtualKey >= 96 && virtualKey <= 105)
        return QCoreApplication::translate("KeyNames", "Num %1").arg(virtualKey - 96);
    if (virtualKey >= 112 && virtualKey <= 135)
        return QStringLiteral("F%1").arg(virtualKey - 111);
    for (const NamedKey& key : kNamedKeys)
        if (key.virtualKey == virtualKey)
            return QCoreApplication::translate("KeyNames", key.name);
    return {};
}

QString FormatKeyName(int virtualKey, int modifierCode)
{
    QString prefix;
    switch (modifierCode) {
    case 1: prefix = QCoreApplication::translate("KeyNames", "ALT + "); break;
    case 2: prefix = QCoreApplication::translate("KeyNames", "CTRL + "); break;
    case 3: prefix = QCoreApplication::translate("KeyNames", "ALT + CTRL + "); break;
    default: break;
    }
    if (virtualKey > 0)
        return prefix + KeyName(virtualKey);
    return modifierCode == 0 ? StringText(35) : prefix;
}

QString KeySlotEntryText(int nameId, int virtualKey, int modifierCode)
{
    return StringText(nameId) + QStringLiteral(" (") + FormatKeyName(virtualKey, modifierCode) + u')';
}
