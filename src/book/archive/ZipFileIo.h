// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens a zip archive for minizip with reads through a 1 MiB buffer. minizip asks for 16 KiB at a time
// and seeks before every read; through stdio that costs two system calls per 16 KiB.

#include <QString>
#include <minizip/unzip.h>

unzFile OpenZipArchive(const QString& path);
