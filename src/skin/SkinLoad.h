// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a skin by name, as start-up does: the configured skin, or "default" when it fails.

#include "skin/SkinBitmaps.h"
#include "skin/SkinLayout.h"

#include <QString>
#include <QStringList>

// The folder of the skin `name` (ending in "/"): the first of `roots` (each ending in "/") that holds a
// folder of that name, else under the first root. A name that is not a plain folder name (empty, "." or
// "..", or with a separator) names no folder (an empty text), so its load fails.
QString SkinDirectory(const QStringList& roots, const QString& name);

// Loads the layout and then the bitmaps of `skinname`. When either fails for a skin other than
// "default", says "Switching to default skin because of an error with your custom skin" (caption
// "Switching..."), sets `skinname` to "default" and loads that. When the default skin fails it says so
// ("Error: cannot load default skin" for its layout, "Error: can't load bitmaps" for its bitmaps) and
// the result is false: the program can't run without a skin. What it says goes to `messages`, after
// the reports of the layouts and bitmaps, in the order it arose.
bool LoadSkinOrDefault(SkinLayout& layout, SkinBitmaps& bitmaps, QString& skinname, const QStringList& roots,
                       Messages& messages);
