// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size a picture is shown at when it must fit within a box: reduced keeping its proportions,
// never enlarged. An empty box means no limit.

#include <QSize>

QSize FittedSize(QSize image, QSize box);
