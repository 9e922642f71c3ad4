// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout.cor parser.
//
// The file is read line by line; a line holds at most 98 characters (the rest of a longer one is read as
// the next line) and a carriage return before a line feed is dropped. Line 1 must be the INIT line with
// the four table capacities; every further line that starts with a keyword (SIZE, MOVE, BMP, BUTTON,
// SLIDER, TEXT, REGION, in any case) and a colon is an element, and every other line is a comment.

#include "common/Message.h"
#include "skin/SkinLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// No table takes more records than this, whatever the INIT line asks for.
inline constexpr int kMaxSkinRecords = 1024;

// A load shows at most this many reports; one more says that the rest went unshown.
inline constexpr int kMaxLayoutReports = 10;

// The tokenizer: the characters of `line` from `position` up to the first `separator` (or line feed,
// when `stopAtNewline`), with `position` moved past that character. When the line ends first the field
// is the rest of it; from a position past the end the field is empty.
QByteArray ReadField(QByteArrayView line, qsizetype& position, char separator, bool stopAtNewline);

// Parses the text of a layout file into `layout` (tables emptied first, rectangles replaced only by
// the lines that give them) and appends every report in file order. False when INIT is missing or
// malformed.
bool ParseSkinLayout(SkinLayout& layout, QByteArrayView content, QStringList& reports);

// Reads skinDir + "layout.cor" (skinDir ends in "/") into `layout`, adding the reports to `messages`
// captioned "ERROR" (at most kMaxLayoutReports, then one that counts the rest). False when the file
// can't be read or its INIT line is not valid.
bool LoadSkinLayout(SkinLayout& layout, const QString& skinDir, Messages& messages);
