// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's list of default applications (mimeapps.list), read and edited as bytes: whatever the
// file holds that isn't ours to change (other types, other groups, comments, stray lines, text that
// isn't UTF-8, CRLF endings) is written back exactly as it was.

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

// A list longer than this is not one the program edits.
inline constexpr qsizetype kMaxMimeAppsListBytes = 1024 * 1024;

// The desktop ids `list` names as the default applications of `mimeType`, in their order. As the
// desktop's own lookup does, only the first line for the type under [Default Applications] counts.
QByteArrayList DefaultApplications(const QByteArray& list, const QByteArray& mimeType);

// `list` with `desktopId` the first default application of `mimeType` (any others stay after it, so
// releasing it later gives the previous default back) and no longer a removed association of the
// type. Nothing when `list` isn't text the program edits (a NUL byte, or beyond kMaxMimeAppsListBytes).
std::optional<QByteArray> WithDefaultApplication(const QByteArray& list, const QByteArray& mimeType,
                                                 const QByteArray& desktopId);

// `list` with `desktopId` gone from the default applications of `mimeType`; a line left with no
// application goes too. Nothing under the same conditions as above.
std::optional<QByteArray> WithoutDefaultApplication(const QByteArray& list, const QByteArray& mimeType,
                                                    const QByteArray& desktopId);
