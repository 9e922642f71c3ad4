// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictograms of the skins' buttons and decorations, drawn as lines on a 24-unit grid so they come out
// sharp at any size.

#include "SkinDesign.h"

#include <QRectF>

class QPainter;

namespace skins {

// The pictogram of an action word ("open", "foward", ...) in `box`, with lines `stroke` units wide.
// Unknown words draw nothing.
void DrawActionPictogram(QPainter& painter, const QString& action, const QRectF& box, const QColor& ink, qreal stroke);

// A decoration: the logo (a speech balloon on an accent tile), the size grip, a separator, the zoom glass.
void DrawDecor(QPainter& painter, Decor decor, const QRectF& box, const Theme& theme);

} // namespace skins
