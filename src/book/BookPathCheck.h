// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a path given to be opened (on the command line, dropped, chosen) can be a book at all, told
// before the book open now is given up.

#include "common/Message.h"

#include <QString>
#include <optional>

// The message naming `path` when it can't be opened: it doesn't exist, it can't be read, or it is a
// file of no book kind. Nothing when it may be opened.
std::optional<Message> UnopenableBook(const QString& path);
