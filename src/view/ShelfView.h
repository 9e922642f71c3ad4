// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page view shows while no book is open: the recent books as a grid of covers, and two hints
// to open a book or a folder. Arrows move the selection, Enter or a click opens; what opening means is
// the app's (the hooks below).

#include "view/ShelfGrid.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

struct ShelfBook {
    QImage cover; // kShelfCover in size
    QString title;
    QString page; // "12/180"
    QString path; // the book, for the app to open
};

class ShelfView : public QWidget {
    Q_OBJECT
public:
    // Covers the whole of `parent` and follows its size.
    explicit ShelfView(QWidget* parent);

    void setBooks(std::vector<ShelfBook> books);
    int bookCount() const { return int(m_books.size()); }
    const std::vector<ShelfBook>& books() const { return m_books; }
    int selected() const { return m_selected; }
    ShelfGrid grid() const { return LayoutShelf(size(), bookCount()); }

    // An arrow moves the selection, Enter or Return opens the selected book; false for any other key.
    bool takeKey(int key);

    std::function<void(int index)> openBook; // a book of the list chosen
    std::function<void()> chooseFile;        // "Open a book..."
    std::function<void()> chooseFolder;      // "Open a folder..."

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<ShelfBook> m_books;
    int m_selected = -1;
};
