// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog units: sizes counted in the dialog font's character cell, so that a dialog grows with the font
// it is drawn in and with the screen's scale, and its texts keep their room in every language. A
// horizontal unit is a quarter of the font's average character width, a vertical one an eighth of its
// height.

#include <QSize>

class QFontMetrics;
class QWidget;

struct DialogUnits {
    int baseX = 0; // the average width of the letters A to Z and a to z, in pixels
    int baseY = 0; // the font's height, in pixels

    int x(int units) const { return (units * baseX + 2) / 4; }
    int y(int units) const { return (units * baseY + 4) / 8; }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
};

// The units of a font measured by `metrics`: the average of the 52 letters' advance, rounded as the
// desktop rounds it, and the height.
DialogUnits DialogUnitsOf(const QFontMetrics& metrics);

// The units of the font `widget` draws its texts in.
DialogUnits DialogUnitsOf(const QWidget& widget);
