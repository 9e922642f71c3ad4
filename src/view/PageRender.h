// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the page view's picture, and building the scaled copy of the page that the stretched views
// copy from.

#include "view/PageGeometry.h"

#include <QImage>
#include <QSize>

class QPainter;

// Draws every pixel of a view of `view` size: black where no page is (everywhere when `page` is null or
// empty). With `cache`, the stretched view copies the band of it that `layout` shows, 1:1; without, the
// layout's source rectangle of the page is scaled into its destination, area-filtered when `smooth`,
// nearest-neighbour otherwise.
void DrawPageView(QPainter& painter, QSize view, const QImage& page, const PageLayout& layout, const QImage* cache,
                  bool smooth);

// The whole page scaled to `size`: smooth (area-averaging) or by dropping rows and columns.
QImage ScalePage(const QImage& page, QSize size, bool smooth);
