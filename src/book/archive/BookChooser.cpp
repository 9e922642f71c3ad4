#include "book/archive/BookChooser.h"

#include "common/Seam.h"
#include "dialogs/BookChoiceDialog.h"

namespace {
using ChooserSeam = Seam<BookChooser, struct ChooserTag>;
} // namespace

BookChooser SetBookChooser(BookChooser chooser)
{
    return ChooserSeam::replace(std::move(chooser));
}

QStringList ChooseBookFolder(const BookTree& tree, ArchiveFamily family)
{
    if (const auto& chooser = ChooserSeam::current())
        return chooser(tree, family);
    return RunBookChoiceDialog(tree, family);
}
