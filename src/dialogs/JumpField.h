// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jump dialog's page field and slider, as plain functions over values.

#include <QStringView>

// The slider position for the field's text: its number, at most the page count; 0 (also for an empty
// field) leaves the slider at its minimum, 1.
int JumpSliderPosition(QStringView fieldText, int pageCount);

// What "Jump" returns for the field's text: its leading digits as typed, even beyond the page count (the
// caller ignores those); 0 for an empty field.
int JumpResult(QStringView fieldText);
