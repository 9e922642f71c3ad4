// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Multiple Book Found" dialog: the folder tree of an archive, from which the reader picks one book.

#include "book/archive/BookTree.h"

#include <QDialog>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

class BookChoiceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTreeId = 1044;

    // Both families choose alike; the family stays in the call for the archive code's sake.
    BookChoiceDialog(const BookTree& tree, ArchiveFamily family, QWidget* parent = nullptr);

    // The chosen folder's names from the top down: the row picked by Space, Enter or a double-click, or
    // else the reader's last selection; empty (everything) when the window was closed untouched. The
    // first row is selected when the dialog opens.
    QStringList choice() const { return m_choice; }
    QTreeWidget* tree() const { return m_tree; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSelectionChanged();
    void chooseSelected();

    QTreeWidget* m_tree = nullptr;
    QStringList m_choice;
};

// Shows the dialog modally, centred on `owner` (the main window), and returns the reader's choice.
// Without a widget application (a command-line tool) nothing can be asked and everything is taken.
QStringList RunBookChoiceDialog(QWidget* owner, const BookTree& tree, ArchiveFamily family);
