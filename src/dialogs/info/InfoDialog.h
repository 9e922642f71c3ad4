// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Info..." dialog: the book and page being read, and the book's info.bdi as keys and values.

#include <QDialog>

class QTreeWidget;

struct BookInfo {
    QString bookPath; // empty when no book is open
    int pageIndex = 0;
    int pageCount = 0;
    QString infoFile; // the info.bdi to list, read when the dialog opens
};

class InfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit InfoDialog(const BookInfo& info, QWidget* owner = nullptr);
    QTreeWidget* entries() const { return m_entries; }

private:
    QTreeWidget* m_entries = nullptr;
};

void RunInfoDialog(QWidget* owner, const BookInfo& info);
