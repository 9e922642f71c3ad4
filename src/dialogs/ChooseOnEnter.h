// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lists a reader picks from with a double click (languages, skins) take Enter as the same choice.

#include <functional>

class QAbstractItemView;

// Enter or Return pressed in `view` runs `choose` instead of reaching the view or its window.
void ChooseOnEnter(QAbstractItemView& view, std::function<void()> choose);
