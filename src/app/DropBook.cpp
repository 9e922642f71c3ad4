// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DropBook.h"

#include "app/OpenBooks.h"
#include "common/ShowMessage.h"

QStringList DroppedPaths(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

void OpenDroppedBook(AppState& state, const QStringList& dropped)
{
    if (dropped.size() != 1) {
        ShowMessage(QStringLiteral("Only drag one file at once"), QStringLiteral("Error"));
        return;
    }
    // The dropped folder is opened where it is; WorkDir is left as it is.
    OpenBookAt(state, dropped.front());
}
