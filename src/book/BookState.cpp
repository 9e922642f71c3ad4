// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/BookState.h"

QString PagePath(const BookState& book, std::int32_t index)
{
    const QString name = book.PageList.item(index);
    return name.isEmpty() ? QString() : book.BookDir + name;
}

bool PageSettled(const BookState& book, std::int32_t index)
{
    return !book.extraction || index < 0 || book.extraction->state(std::size_t(index)) != FileWrite::Pending;
}
