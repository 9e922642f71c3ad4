// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits DialogUnitsOf(const QFontMetrics& metrics)
{
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

DialogUnits DialogUnitsOf(const QWidget& widget)
{
    return DialogUnitsOf(widget.fontMetrics());
}
