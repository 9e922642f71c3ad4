// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageShown.h"

#include "book/BookState.h"
#include "common/Settings.h"
#include "view/ViewState.h"

#include <QTransform>

bool ApplyPageShown(BookState& book, ViewState& view, const Settings& settings)
{
    // The page comes fresh from its decoder (or the preload), upright or flipped as decoded.
    if (view.quarterTurns != 0 && !book.current.isNull())
        book.current.pixels = book.current.pixels.transformed(QTransform().rotate(90.0 * view.quarterTurns));
    book.scrollX = 0;
    book.scrollY = 0;
    if (book.resumePending) {
        book.scrollX = settings.previousx;
        book.scrollY = settings.previousy;
        book.resumePending = false;
    }
    if (settings.startstretched > 0)
        view.stretched = true;
    if (view.stretched)
        view.rerenderPending = true;
    return view.stretched;
}
