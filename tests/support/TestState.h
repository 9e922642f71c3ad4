// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An AppState for tests, with every setting at its default as a missing settings file gives them.

#include "app/AppState.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"

#include "TestSupport.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringList>

inline void UseDefaultSettings(AppState& state)
{
    state.settings = ReadSettings(SettingsReader(), QString());
}

// The page list of `book` set to `names`, in the order given.
inline void SetPages(BookState& book, const QStringList& names)
{
    book.PageList.clear();
    for (const QString& name : names)
        book.PageList.append(MakePageName(name.toUtf8()));
}

// Writes `count` plain pages to `dir`: page i is p<i>.png, `size` pixels of grey level (greyStep * i) % 256.
inline QStringList WriteGreyPages(const ScratchDir& dir, int count, QSize size, int greyStep)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i, 3, 10, QLatin1Char('0'));
        QImage page(size, QImage::Format_RGB32);
        const int grey = (greyStep * i) % 256;
        page.fill(QColor(grey, grey, grey));
        page.save(dir.file(name));
        names << name;
    }
    return names;
}

// The pages `names` of `dir` open in `state` at `index`, as a book that has just been opened.
inline void OpenPagesIn(AppState& state, const ScratchDir& dir, const QStringList& names, int index = 0)
{
    SetPages(state.book, names);
    state.book.BookDir = dir.path();
    state.book.bookLoaded = true;
    state.book.pageIndex = index;
    state.book.current.pixels = QImage(dir.file(names.value(index)));
}

// Both at once: a book of `count` grey pages written and opened at `index`.
inline void OpenGreyBook(AppState& state, const ScratchDir& dir, int count, QSize size, int greyStep, int index = 0)
{
    OpenPagesIn(state, dir, WriteGreyPages(dir, count, size, greyStep), index);
}
