// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view: the child window inside the main window that shows the current page. It paints the
// layout of the current display mode and keeps the scaled-page cache that the stretched views copy from.
// The view's size is taken in device pixels, so a page is drawn 1:1 and as sharp on a high-density screen
// as anywhere.

#include "view/PageGeometry.h"
#include "view/ViewRecords.h"

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

// The display mode the page is laid out in now.
PageViewMode PageViewModeOf(const BookState& book, const ViewState& view, const Settings& settings);

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(ViewRecords records, QWidget* parent = nullptr);

    // Discards the scaled-page cache and builds it again from the current page for the current view size
    // and the `wstretched` and `halftone` settings, whatever the display mode. The preferences call it
    // when `halftone` or `wstretched` changes.
    void RebuildScaledPage();

    // Sets `rerenderPending` and (re)starts the 50 ms one-shot cache timer, which rebuilds the cache.
    void startCacheTimer();

    // A new page in the stretched view: a page decoded at the size it is shown at is its own scaled copy,
    // at once and without a copy of its pixels; any other page gets the 50 ms rebuild.
    void scalePageShown();

    // The main window's resize drag. While it runs, size changes only drop the cache; when it ends the
    // cache is rebuilt once, 50 ms later.
    void setResizeDragInProgress(bool inProgress);

    // The view size the layout works with: the widget's size in device pixels.
    QSize viewPixels() const;

    // The thin strip along the bottom that shows how much of an archive book is written.
    QRect progressStripRect() const;

    // Hides QWidget::update(): whoever changed the page, its offsets, the zoom or the mode asks for a
    // paint here, and the offsets are first brought back onto the page for the view as it is now, so
    // the paint only reads them. A paint of a part (the progress strip) changes nothing of that.
    using QWidget::update;
    void update();

    // The 15 ms SmoothScrollTimer, a precise timer; see SmoothScroll.
    QTimer& smoothScrollTimer() { return m_smoothScroll; }

    const QImage& scaledPageCache() const { return m_cache; }
    bool cacheTimerActive() const { return m_cacheTimer.isActive(); }

signals:
    // Keeping the offsets on the page lowered the vertical one to the page's end; smooth scrolling
    // stops there.
    void scrollReachedPageEnd();
    // The view's size, display mode or zoom last changed 50 ms ago (not while the window is being
    // resized by its grip): pages made for the view may be made again.
    void viewSettled();

    // The page was decoded fitted for the stretched view and is now wanted larger (another mode, zoom,
    // a larger view): whoever connects decodes it at its full size before the paint.
    void fullPageWanted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PageLayout pageLayout() const;
    void keepOffsetsOnPage();
    void paintPage(QPainter& painter, QSize view);
    void onCacheTimer();
    void onSmoothScrollTimer();
    bool cacheUsable() const;
    bool pageShownAsDecoded() const;
    void askFullPageIfNeeded();
    void noteViewChange();

    ViewRecords m_records;
    QTimer m_cacheTimer;
    QTimer m_smoothScroll;
    QTimer m_settleTimer;
    PageViewMode m_settledMode;
    QSize m_settledView;
    QImage m_cache;           // the whole page scaled for the stretched view; null when there is none
    qint64 m_cacheSource = 0; // the page image the cache was built from
    bool m_resizeDrag = false;
};
