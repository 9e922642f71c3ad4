#include "book/archive/BookChooser.h"

#include "common/Seam.h"

namespace {
using ChooserSeam = Seam<BookChooser, struct ChooserTag>;
} // namespace

BookChooser SetBookChooser(BookChooser chooser)
{
    return ChooserSeam::replace(std::move(chooser));
}

QStringList ChooseBookFolder(const BookTree& tree, ArchiveFamily family)
{
    if (const BookChooser& chooser = ChooserSeam::current())
        return chooser(tree, family);
    return {};
}
