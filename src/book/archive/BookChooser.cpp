// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/BookChooser.h"

QStringList ChooseBookFolder(const BookChooser& chooser, const BookTree& tree, ArchiveFamily family)
{
    return chooser ? chooser(tree, family) : QStringList();
}
