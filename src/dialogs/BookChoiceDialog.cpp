#include "dialogs/BookChoiceDialog.h"

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
} // namespace

BookChoiceDialog::BookChoiceDialog(const BookTree& tree, ArchiveFamily family, QWidget* parent)
    : QDialog(parent), m_family(family)
{
    setWindowTitle(QStringLiteral("Multiple Book Found (Double-Click or Spacebar to select)"));
    setObjectName(QStringLiteral("124"));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QString::number(kTreeId));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_tree->setSortingEnabled(false); // the tree arrives in its sorted order
    addItems(nullptr, m_tree, tree.top);
    m_tree->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_tree);
    resize(400, 265);

    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &BookChoiceDialog::onSelectionChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
}

void BookChoiceDialog::onSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty())
        return; // the last selection still counts, as it does when the window is closed
    QStringList path;
    for (QTreeWidgetItem* item = selected.front(); item; item = item->parent())
        path.prepend(item->text(0));
    m_choice = path;
}

bool BookChoiceDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space && m_family == ArchiveFamily::Zip) {
            accept();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter picks in the rar family only; in the zip family it does nothing at all.
            if (m_family == ArchiveFamily::Rar)
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QStringList RunBookChoiceDialog(const BookTree& tree, ArchiveFamily family)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return {};
    BookChoiceDialog dialog(tree, family, QApplication::activeWindow());
    dialog.exec();
    return dialog.choice();
}
