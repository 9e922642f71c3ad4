// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language selection dialog: always in English, whatever language is active, since it is where a
// reader who can't read the active one gets out of it. One 40-pixel row per language; a double click
// or Enter chooses. The language in use is marked, and selected when the dialog opens.

#include "dialogs/lang/LanguageEntries.h"

#include <QDialog>
#include <QStyledItemDelegate>

class QListWidget;

class LanguageSelectionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1027;

    // `langfile` is the language in use: "default" (or "none", when the built-in one is what shows) for
    // row 0, else the row whose note is that file name.
    LanguageSelectionDialog(std::vector<LanguageEntry> entries, const QString& langfile, QWidget* owner = nullptr);
    QListWidget* list() const { return m_list; }
    // What a double click chose: "default" for row 0, else that row's note (its file name).
    QString chosenLangfile() const { return m_chosen; }

private:
    void choose();

    std::vector<LanguageEntry> m_entries;
    QListWidget* m_list;
    QString m_chosen;
};

// Draws a row: the icon on the left, the description centred in height after it (in bold for the
// language in use), the note small at the bottom right, the selected row on a rounded rectangle.
class LanguageRowDelegate : public QStyledItemDelegate {
public:
    LanguageRowDelegate(const std::vector<LanguageEntry>& entries, int inUse, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const std::vector<LanguageEntry>& m_entries;
    int m_inUse;
};

// Where a row from (left, top) to (right, bottom) draws its icon: 12 dialog units in, centred for a
// 48-pixel height, scaled back by the ratio of the real right and bottom to the measured ones (integer
// arithmetic, truncating). A row whose measured right or bottom is 0 keeps the icon at its left and top.
QPoint LanguageIconPosition(int left, int top, int right, int bottom);
