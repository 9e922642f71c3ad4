#include "book/BookState.h"

QString PagePath(const BookState& book, std::int32_t index)
{
    const QString name = book.PageList.item(index);
    return name.isEmpty() ? QString() : book.BookDir + name;
}
