// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BookChoiceDialog.h"

#include "dialogs/DialogUnits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
void addItems(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<BookTreeItem>& items)
{
    for (const BookTreeItem& item : items) {
        auto* node = parent ? new QTreeWidgetItem(parent, {item.text}) : new QTreeWidgetItem(tree, {item.text});
        addItems(node, tree, item.children);
    }
}

QStringList pathOf(const QTreeWidgetItem* item)
{
    QStringList path;
    for (; item; item = item->parent())
        path.prepend(item->text(0));
    return path;
}
} // namespace

BookChoiceDialog::BookChoiceDialog(const BookTree& tree, ArchiveFamily, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Multiple Book Found (Double-Click or Spacebar to select)"));
    setObjectName(QStringLiteral("124"));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QString::number(kTreeId));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_tree->setSortingEnabled(false); // the tree arrives in its sorted order
    addItems(nullptr, m_tree, tree.top);
    // The first row is highlighted and selected, so that a key picks it at once. It is selected before
    // the selection is followed: closing the window untouched still takes everything.
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
    m_tree->installEventFilter(this);

    const DialogUnits units = DialogUnitsOf(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.x(7), units.y(7), units.x(7), units.y(7));
    layout->addWidget(m_tree);
    resize(units.size(265, 162));

    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &BookChoiceDialog::onSelectionChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &BookChoiceDialog::chooseSelected);
}

void BookChoiceDialog::chooseSelected()
{
    if (const QList<QTreeWidgetItem*> selected = m_tree->selectedItems(); !selected.isEmpty())
        m_choice = pathOf(selected.front());
    accept();
}

void BookChoiceDialog::onSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty())
        return; // the last selection still counts, as it does when the window is closed
    m_choice = pathOf(selected.front());
}

bool BookChoiceDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseSelected(); // both families, as the title promises the spacebar
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QStringList RunBookChoiceDialog(QWidget* owner, const BookTree& tree, ArchiveFamily family)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return {};
    BookChoiceDialog dialog(tree, family, owner);
    dialog.exec();
    return dialog.choice();
}
