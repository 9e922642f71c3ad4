// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's numbered texts (ids 1 to 38): the language's own name, the dialogs' page names and
// column headers, the gesture and key-slot names, "None" and the popup menu's page line. They come
// from the active language; English is built in.

#include <QString>

constexpr int kStringCount = 38;

// The text of `id` in the active language; empty for an id outside 1..38.
QString StringText(int id);

// The built-in English text of `id`; nullptr outside 1..38.
const char* EnglishStringText(int id);
