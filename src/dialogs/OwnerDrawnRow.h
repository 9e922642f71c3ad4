// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background the owner-drawn lists (the Preferences page list, the language list) give a row.

class QPainter;
class QRect;
class QStyleOptionViewItem;

// Fills `inset`: a rounded rectangle in the inactive highlight for the selected row, the plain base for
// the others; leaves the pen set to the colour the row's text is drawn in.
void PaintRowBackground(QPainter& painter, const QStyleOptionViewItem& option, const QRect& inset);
