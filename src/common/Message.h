// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What went wrong, as a value. Below the app a step that fails fills a list of these, in the order they
// arose; the app shows them as message boxes in that order. Texts and captions are the program's own and
// are never translated.

#include <QString>
#include <vector>

struct Message {
    QString text;
    QString caption;
    QString entry = {}; // the archive entry it concerns; empty when it concerns the whole file
};

using Messages = std::vector<Message>;
