// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageView.h"

#include "view/PageRender.h"
#include "view/SmoothScroll.h"

#include <QPaintEvent>
#include <QPainter>

PageViewMode PageViewModeOf(const BookState& book, const ViewState& view, const Settings& settings)
{
    return {view.stretched, settings.wstretched, view.zoom, book.extraction && book.extraction->windowed()};
}

PageView::PageView(ViewRecords records, QWidget* parent) : QWidget(parent), m_records(records)
{
    setObjectName(QStringLiteral("BmpStaticClass"));
    // Every paint covers every pixel, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_cacheTimer.setSingleShot(true);
    m_cacheTimer.setInterval(50);
    connect(&m_cacheTimer, &QTimer::timeout, this, &PageView::onCacheTimer);
    m_smoothScroll.setTimerType(Qt::PreciseTimer);
    m_smoothScroll.setInterval(kSmoothScrollPeriodMs);
    connect(&m_smoothScroll, &QTimer::timeout, this, &PageView::onSmoothScrollTimer);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(50);
    connect(&m_settleTimer, &QTimer::timeout, this, [this] {
        if (!m_resizeDrag)
            emit viewSettled();
    });
}

void PageView::noteViewChange()
{
    const PageViewMode mode = PageViewModeOf(m_records.book, m_records.view, m_records.settings);
    const QSize view = viewPixels();
    if (mode == m_settledMode && view == m_settledView)
        return;
    m_settledMode = mode;
    m_settledView = view;
    m_settleTimer.start();
}

void PageView::update()
{
    noteViewChange();
    askFullPageIfNeeded();
    keepOffsetsOnPage();
    QWidget::update();
}

PageLayout PageView::pageLayout() const
{
    return LayoutPage(m_records.book.current.pixels.size(), viewPixels(),
                      PageViewModeOf(m_records.book, m_records.view, m_records.settings), m_records.book.scrollX,
                      m_records.book.scrollY);
}

void PageView::keepOffsetsOnPage()
{
    if (m_records.book.current.isNull())
        return;
    const PageLayout clamped = pageLayout();
    m_records.book.scrollX = clamped.scrollX;
    m_records.book.scrollY = clamped.scrollY;
    if (clamped.stopSmoothScroll)
        emit scrollReachedPageEnd();
}

void PageView::onSmoothScrollTimer()
{
    if (SmoothScrollStep(m_records))
        update(); // may find the page's end, which stops the scrolling
    if (!SmoothScrollRunning(m_records.navigation))
        m_smoothScroll.stop();
}

QSize PageView::viewPixels() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void PageView::RebuildScaledPage()
{
    m_cache = QImage(); // the old cache goes first, so two are never held at once
    const QImage& page = m_records.book.current.pixels;
    if (page.isNull())
        return;
    const QSize size = ScaledPageCacheSize(page.size(), viewPixels(), m_records.settings.wstretched);
    m_cache = ScalePage(page, size, m_records.settings.halftone);
    m_cacheSource = page.cacheKey();
}

bool PageView::pageShownAsDecoded() const
{
    const QImage& page = m_records.book.current.pixels;
    return m_records.view.stretched && !page.isNull()
        && ScaledPageCacheSize(page.size(), viewPixels(), m_records.settings.wstretched) == page.size();
}

void PageView::askFullPageIfNeeded()
{
    const PageImage& page = m_records.book.current;
    if (!page.reduced)
        return;
    // A page fitted for a smaller view would be shown smaller than the page fits this one.
    const QSize view = viewPixels();
    const bool fitsView = page.width() == view.width() || page.height() == view.height();
    if (!pageShownAsDecoded() || !fitsView || !m_records.settings.halftone)
        emit fullPageWanted();
}

void PageView::scalePageShown()
{
    if (!pageShownAsDecoded()) {
        startCacheTimer();
        return;
    }
    m_cacheTimer.stop();
    m_records.view.rerenderPending = false;
    RebuildScaledPage(); // a scaling to the same size shares the page's pixels
}

void PageView::startCacheTimer()
{
    m_records.view.rerenderPending = true;
    m_cacheTimer.start();
}

void PageView::setResizeDragInProgress(bool inProgress)
{
    m_resizeDrag = inProgress;
    if (!inProgress)
        m_settleTimer.start();
    if (!inProgress && !m_records.book.current.isNull() && m_records.view.stretched)
        startCacheTimer();
}

void PageView::onCacheTimer()
{
    m_records.view.rerenderPending = false;
    RebuildScaledPage();
    update(); // show the area-averaged copy in place of the quick scaling
}

bool PageView::cacheUsable() const
{
    const QImage& page = m_records.book.current.pixels;
    // The size and source checks keep a cache left over from another page or view size from ever
    // being copied, whoever forgot to schedule a rebuild.
    return m_records.view.stretched && !m_records.view.rerenderPending && !m_cache.isNull()
        && m_cacheSource == page.cacheKey()
        && m_cache.size() == ScaledPageCacheSize(page.size(), viewPixels(), m_records.settings.wstretched);
}

void PageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio != 1.0)
        painter.scale(1.0 / ratio, 1.0 / ratio);
    const QSize view = viewPixels();
    const std::int32_t written = m_records.view.writtenPermille;
    // The strip moves with every file written; that alone never draws the page again.
    if (written < 0 || !progressStripRect().contains(event->rect()))
        paintPage(painter, view);
    if (written >= 0) {
        const int height = int(progressStripRect().height() * ratio);
        const QRect strip(0, view.height() - height, view.width(), height);
        const int done = int(std::int64_t(strip.width()) * written / 1000);
        painter.fillRect(strip, QColor(0x30, 0x30, 0x30));
        painter.fillRect(strip.adjusted(0, 0, done - strip.width(), 0), QColor(0x3d, 0x8e, 0xe0));
    }
}

void PageView::paintPage(QPainter& painter, QSize view)
{
    const QImage& page = m_records.book.current.pixels;
    const ViewState& mode = m_records.view;
    const Settings& settings = m_records.settings;
    if (page.isNull()) {
        painter.fillRect(QRect(QPoint(0, 0), view), Qt::black);
        m_cache = QImage(); // no book: nothing to keep a scaled copy of
        return;
    }

    const PageLayout layout = pageLayout();
    // A page drawn at its own size needs no smoothing, whatever the zoom (a page made at the zoom's size);
    // a page made for the view and drawn at another size is smoothed always: its pixels are ours, not
    // the reader's, and text scaled without it breaks up.
    const bool scaled = layout.dest.size() != layout.source.size();
    const bool smooth = mode.stretched
        ? settings.halftone
        : scaled && (settings.halftonezoom || PageViewModeOf(m_records.book, mode, settings).madeForView);
    DrawPageView(painter, view, page, layout, cacheUsable() ? &m_cache : nullptr, smooth);
}

QRect PageView::progressStripRect() const
{
    return QRect(0, height() - 3, width(), 3);
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    noteViewChange();
    askFullPageIfNeeded();
    keepOffsetsOnPage();
    if (m_records.book.current.isNull() || !m_records.view.stretched)
        return;
    m_cache = QImage();
    // A burst of size changes costs one rebuild: none while the drag runs, and no restart while one is
    // already scheduled.
    if (!m_resizeDrag && !m_records.view.rerenderPending)
        m_cacheTimer.start();
    m_records.view.rerenderPending = true;
}
