#pragma once
// Which entries of a RAR 5 archive are encrypted. libarchive 3.6 doesn't look at the encryption record
// of a RAR 5 file header and hands back the cipher text of a stored entry as its data, so the rar layer
// reads that one record itself before anything is written.

#include <QStringList>
#include <vector>

// One flag per entry, in the order libarchive returns the entries (continuations of an entry split
// across volumes are not entries of their own). Empty when the set is not RAR 5 or can't be walked;
// shorter than the entry list when the walk stopped early.
std::vector<bool> Rar5EncryptedEntries(const QStringList& volumes);
