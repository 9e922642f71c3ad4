// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/info/InfoDialog.h"

#include "common/StringTable.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/info/InfoFile.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

InfoDialog::InfoDialog(const BookInfo& info, QWidget* owner) : QDialog(owner)
{
    auto* path = new QLineEdit;
    path->setObjectName(QStringLiteral("1023"));
    path->setReadOnly(true);
    auto* pageLine = new QLabel;
    pageLine->setObjectName(QStringLiteral("1024"));
    if (!info.bookPath.isEmpty()) {
        path->setText(info.bookPath);
        pageLine->setText(tr("Viewing page %1/%2").arg(info.pageIndex + 1).arg(info.pageCount));
    } else {
        path->setText(tr("No file loaded"));
    }

    m_entries = new QTreeWidget;
    m_entries->setObjectName(QStringLiteral("1002"));
    m_entries->setRootIsDecorated(false);
    m_entries->setUniformRowHeights(true); // a file of many thousand lines still lists at once
    m_entries->setHeaderLabels({StringText(3).left(100), StringText(4).left(100)});
    m_entries->header()->setStretchLastSection(false);
    const DialogUnits units = DialogUnitsOf(*this);
    m_entries->setColumnWidth(0, units.x(66));
    m_entries->setColumnWidth(1, units.x(300));

    const QList<InfoEntry> entries = ReadInfoFile(info.infoFile);
    if (entries.isEmpty()) {
        setWindowTitle(StringText(2));
    } else {
        setWindowTitle(tr("Info..."));
        QList<QTreeWidgetItem*> rows;
        rows.reserve(entries.size());
        for (const InfoEntry& entry : entries)
            rows.append(new QTreeWidgetItem(QStringList{entry.key, entry.value}));
        m_entries->addTopLevelItems(rows);
    }

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(path);
    layout->addWidget(pageLine);
    layout->addWidget(m_entries);
    layout->addWidget(buttons);
    resize(units.size(400, 220));
}

void RunInfoDialog(QWidget* owner, const BookInfo& info)
{
    InfoDialog dialog(info, owner);
    dialog.exec();
}
