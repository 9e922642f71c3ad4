// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page overview: a grid of the open book's page thumbnails over the whole page view, the page being
// read framed, a selection moved by the arrow keys (Page Up/Down, Home, End) and the wheel; Enter or a
// click turns to the selected page, Esc leaves. It shows what `thumbnail` hands it and is repainted as
// thumbnails arrive (thumbnailsArrived); it never waits for one.

#include "view/OverviewGrid.h"

#include <QImage>
#include <QWidget>

#include <functional>

class PageOverview : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QImage(int)> thumbnail; // null while not made
        std::function<void(int)> selected;    // the selection moved (the thumbnails nearest it come next)
        std::function<void(int)> chosen;      // Enter or a click: turn to that page
        std::function<void()> left;           // Esc
    };
    PageOverview(int pageCount, int currentPage, Hooks hooks, QWidget* parent);

    void thumbnailsArrived() { update(); }
    int selection() const { return m_selection; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void select(int index);
    OverviewGrid grid() const;

    int m_count;
    int m_current;
    int m_selection;
    int m_scroll = 0;
    Hooks m_hooks;
};
