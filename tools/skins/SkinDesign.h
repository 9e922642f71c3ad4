// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A skin as the generator sees it: horizontal bands of colour, and the buttons, sliders, texts and
// decorations that sit in them. Coordinates are the layout file's: window pixels from the top-left
// corner, negative ones counted from the right or bottom edge. Every element lies wholly inside one band
// and is anchored to the same edge as that band, so the band's colours behind it are known.

#include <QColor>
#include <QString>

#include <vector>

namespace skins {

struct Band {
    int y = 0; // from the top, or from the bottom when negative
    int height = 0;
    QColor top, bottom;          // a vertical gradient
    QColor ruleAbove, ruleBelow; // one-pixel rules on the band's first and last rows; invalid for none
};

struct Theme {
    QColor frame;              // the one-pixel edge of the window
    QColor ink, inkDown;       // pictograms, up and pressed
    QColor downFill, downEdge; // the pressed button's plate
    qreal downRadius = 4;      // its corner radius; half the height makes a pill
    qreal stroke = 2;          // pictogram line width on the 24-unit grid
    QColor accent, accentDeep; // the logo and the filled track
    QColor text;               // the bitmap font
    QColor separator;
    QColor track, knob, knobEdge;
    QString fontFamily;
    int fontWeight = 700;
    int fontPixels = 12; // at scale 1, for cells of the texts' cell height
};

enum class Decor { Logo, Grip, Separator, ZoomGlass };

struct Placed {
    int x = 0, y = 0, width = 0, height = 0;
    int band = 0; // index into SkinDesign::bands
};

struct DecorArt {
    Decor decor;
    Placed at;
};

struct ButtonArt {
    QString action;
    Placed at;
};

struct SliderArt {
    QString name;
    Placed at; // height 10 keeps the knob within the track at both ends
};

struct TextArt {
    QString name;
    Placed at; // width may be negative (ends that far before the right edge); height is the cell height
    int cellWidth = 8;
};

struct Edges {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct SkinDesign {
    QString name;
    Theme theme;
    std::vector<Band> bands;
    std::vector<DecorArt> decor;
    std::vector<ButtonArt> buttons;
    std::vector<SliderArt> sliders;
    std::vector<TextArt> texts;
    Edges moveArea, sizeArea, pageArea;
};

// The skins the program ships, "default" first.
std::vector<SkinDesign> ShippedSkins();

} // namespace skins
