// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the skin: the background regions, then the buttons, sliders and bitmap-font texts. Every
// piece is an opaque rectangle copied from one of the three bitmaps; a piece that reaches outside its
// bitmap is drawn only as far as the bitmap goes.

#include "skin/SkinBitmaps.h"
#include "skin/SkinLayout.h"

#include <QPoint>
#include <QSize>

class QPainter;

// Where the skin is drawn: a painter over the window's picture in device pixels (no transformation),
// the bitmaps at that picture's scale, and the window's size in window pixels.
struct SkinCanvas {
    QPainter& painter;
    const SkinArt& art;
    QSize window;
};

// The main window's pointer state as far as drawing cares: a left press over the skin's elements is
// held, and it landed on a slider.
struct SkinPress {
    bool pressed = false;
    bool sliderActive = false;
};

// Every region in file order: scaled when its stretch is not 0, otherwise tiled in whole tiles.
void DrawSkinRegions(SkinCanvas& canvas, const SkinLayout& layout);

// Buttons, then sliders, then texts. A button under `point` shows its down image (its up image when
// `released`) and becomes hotButton, the last such button winning. Unless a press is held, the sliders
// are drawn too, a slider under the point takes the point as its value and becomes hotSlider; and
// unless a press is held the texts are drawn. A point of (-1, -1) is over nothing.
void DrawSkinElements(SkinCanvas& canvas, SkinLayout& layout, QPoint point, bool released, SkinPress press);

// The slider `index` follows the pointer's x: its value is px - x, kept within 0..width; it is drawn
// with the pressed knob. An index that names no slider draws nothing.
void DrawSliderDrag(SkinCanvas& canvas, SkinLayout& layout, int px, int index);
