// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// "Bullevista 1.26": what the "main" text shows while no book is open.
inline QString ProductTitle()
{
    return QStringLiteral("Bullevista " BV_VERSION);
}
