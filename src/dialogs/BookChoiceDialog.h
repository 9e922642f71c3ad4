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

    BookChoiceDialog(const BookTree& tree, ArchiveFamily family, QWidget* parent = nullptr);

    // The selected folder's names from the top down; empty while nothing was selected.
    QStringList choice() const { return m_choice; }
    QTreeWidget* tree() const { return m_tree; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSelectionChanged();

    ArchiveFamily m_family;
    QTreeWidget* m_tree = nullptr;
    QStringList m_choice;
};

// Shows the dialog modally over the active window and returns the reader's choice. Without a widget
// application (a command-line tool) nothing can be asked and everything is taken.
QStringList RunBookChoiceDialog(const BookTree& tree, ArchiveFamily family);
