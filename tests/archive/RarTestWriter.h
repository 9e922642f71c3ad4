// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes small RAR 4 and RAR 5 archives with stored entries, so the rar family is tested on archives
// made at test time. Only what the tests need: stored data, folder entries, Unicode or legacy names,
// the encrypted flag, and RAR 5 volume sets.

#include <QByteArray>
#include <QString>
#include <vector>

enum class RarFormat { Rar4, Rar5 };

struct RarTestEntry {
    QByteArray name; // '/' between folders; written as the format stores it
    QByteArray data;
    bool folder = false;
    bool unicode = true;      // RAR 4: store the name in the Unicode form (else as raw legacy bytes)
    bool encrypted = false;   // flag the data as encrypted (the data is left as it is)
    bool symlink = false;     // RAR 5: a Unix link whose target is `data`
    quint32 declaredSize = 0; // non-zero: the unpacked size the header claims, whatever the data is
};

// `encryptedHeaders`: the archive says every header after its start is encrypted (the headers are
// written plain all the same; a reader without a password must stop there).
QByteArray WriteRarArchive(RarFormat format, const std::vector<RarTestEntry>& entries, bool encryptedHeaders = false);

// A RAR 5 volume set whose entry `splitEntry` starts in one volume and ends in the next; every volume
// is one element of the result. `solid`: the main headers say the set is solid.
std::vector<QByteArray> WriteRar5Volumes(const std::vector<RarTestEntry>& entries, std::size_t splitEntry,
                                         bool solid = false);
