#include "book/archive/BookChooser.h"

#include "dialogs/BookChoiceDialog.h"

namespace {
BookChooser& currentChooser()
{
    static BookChooser chooser;
    return chooser;
}
} // namespace

BookChooser SetBookChooser(BookChooser chooser)
{
    BookChooser previous = std::move(currentChooser());
    currentChooser() = std::move(chooser);
    return previous;
}

QStringList ChooseBookFolder(const BookTree& tree, ArchiveFamily family)
{
    if (const auto& chooser = currentChooser())
        return chooser(tree, family);
    return RunBookChoiceDialog(tree, family);
}
