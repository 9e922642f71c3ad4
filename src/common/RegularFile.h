// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the small files the program is pointed at (layout.cor, info.bdi, language modules,
// mimeapps.list), which may be anything under their name.

#include <QByteArray>
#include <QString>

#include <optional>

// At most `limit` first bytes of the regular file at `path`; nothing when it isn't a regular file (a
// FIFO or a device would block or never end), can't be opened or fails while read.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit);
