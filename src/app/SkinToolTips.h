// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the skin window's tooltips say: a button names its command as the popup menu does, with its key
// ("Next Page (X)"); the zoom slider says the zoom ("Zoom: 125 %").

#include <QPoint>
#include <QSize>
#include <QString>

struct AppState;

// The tooltip for the point of a window of `window`'s size; empty where nothing has one.
QString SkinToolTipAt(const AppState& state, QSize window, QPoint point);

QString ZoomToolTip(int zoom); // zoom: 0..100, added to 100 %
