// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records the page view works on. The app owns them for the whole run and hands the view
// references; the view reads the page and the settings and moves the offsets.

#include "book/BookState.h"
#include "common/Settings.h"
#include "view/NavigationState.h"
#include "view/ViewState.h"

struct ViewRecords {
    BookState& book;
    ViewState& view;
    Settings& settings;
    NavigationState& navigation;
};
