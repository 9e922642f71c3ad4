// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much one archive may unpack to. Comic pages barely compress, so an archive that unpacks to
// hundreds of times its own size is a bomb, not a book; a small archive still has room for a few
// hundred megabytes of flat images.

#include <QStringList>
#include <cstdint>

// The first 256 MB, and 200 bytes for every byte of the archive on top.
std::uint64_t ExtractionAllowance(std::uint64_t archiveBytes);

// The size of the archive's files together (every volume of a set); unreadable ones count 0.
std::uint64_t ArchiveBytes(const QStringList& files);
