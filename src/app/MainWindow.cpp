// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/DropBook.h"
#include "app/FixedKeys.h"
#include "app/PagesForView.h"
#include "app/PageTurn.h"
#include "app/PopupMenu.h"
#include "app/ShutDown.h"
#include "app/SkinToolTips.h"
#include "app/ViewCommands.h"
#include "app/ViewPlacement.h"
#include "app/WindowGrip.h"
#include "app/WindowMenu.h"
#include "dialogs/keys/VirtualKeys.h"
#include "skin/SkinGeometry.h"
#include "view/PageView.h"
#include "view/PageViewInput.h"
#include "view/ShelfView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

namespace {
// Where a window can't place itself (Wayland), the compositor moves and resizes it on request.
bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

PageArea pageAreaOf(const SkinRect& area)
{
    return {area.x1, area.y1, area.x2, area.y2};
}
} // namespace

MainWindow::MainWindow(AppState& state) : QWidget(nullptr, Qt::FramelessWindowHint), m_state(state)
{
    setObjectName(QStringLiteral("MainStaticClass"));
    setWindowTitle(QStringLiteral("Bullevista"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    setMouseTracking(true); // the sizing cursor over the grip
    setGeometry(savedPlacement());
    m_pageView = new PageView(viewRecords(state), this);
    new PageViewInput(viewRecords(state), m_pageView);
    connect(m_pageView, &PageView::viewSettled, this, [&state] { MakePagesForView(state); });
    connect(m_pageView, &PageView::fullPageWanted, this, [&state] { DecodeFullPage(state); });
    m_shelf = new ShelfView(m_pageView);
    m_shelf->hide();
    placePageView();
    setAcceptDrops(true);
    // Accelerators see every key press while this window is the active one, whichever child has focus.
    qApp->installEventFilter(this);
}

MainWindow* MainWindowOf(const AppWindows& windows)
{
    return qobject_cast<MainWindow*>(windows.main.data());
}

QRect MainWindow::savedPlacement() const
{
    const Settings& s = m_state.settings;
    return MainWindowRect(s.wndxpos, s.wndypos, s.wndwidth, s.wndheight);
}

void MainWindow::placePageView()
{
    m_pageView->setGeometry(PlacePageView(pageAreaOf(m_state.skin.pageArea), width(), height()));
}

void MainWindow::enterFullScreen()
{
    // Set first: the size change below is not the reader's placement.
    m_state.view.fullscreen = true;
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    setGeometry(QRect(QPoint(0, 0), screen.size()));
    m_pageView->setGeometry(QRect(QPoint(0, 0), screen.size()));
}

void MainWindow::leaveFullScreen()
{
    m_state.view.fullscreen = false;
    setGeometry(savedPlacement());
    placePageView();
}

void MainWindow::skinChanged()
{
    m_artStale = true;
    m_downButton = -1;
    placePageView();
    update();
}

template <typename Draw> void MainWindow::drawOnPicture(Draw&& draw)
{
    const int scale = qBound(1, qRound(devicePixelRatioF()), 4);
    if (m_artStale || m_art.scale != scale) {
        m_art = SkinArtForScale(m_state.skinBitmaps, scale);
        m_artStale = false;
        m_pictureStale = true;
    }
    if (m_picture.size() != size() * scale) {
        m_picture = QImage(size() * scale, QImage::Format_RGB32);
        m_picture.fill(Qt::black); // what no region covers
        m_pictureStale = true;
    }
    QPainter painter(&m_picture);
    SkinCanvas canvas{painter, m_art, size()};
    if (m_pictureStale) {
        m_pictureStale = false;
        SkinLayout& layout = m_state.skin;
        // A full redraw in the middle of a press keeps the press: its button stays down and its slider
        // stays the one being dragged.
        const int hotButton = layout.hotButton, hotSlider = layout.hotSlider;
        DrawSkinRegions(canvas, layout);
        DrawSkinElements(canvas, layout, QPoint(-1, -1), false, {});
        layout.hotButton = hotButton;
        layout.hotSlider = hotSlider;
        if (m_press.sliderActive)
            DrawSliderDrag(canvas, layout, m_pressPoint.x(), hotSlider);
        else if (m_press.pressed)
            DrawSkinElements(canvas, layout, m_pressPoint, false, m_press);
    }
    draw(canvas);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    // A request for the whole window is a change of what the skin shows; a part is only copied again.
    if (event->rect() == rect())
        m_pictureStale = true;
    drawOnPicture([](SkinCanvas&) {});
    QPainter painter(this);
    const int s = m_art.scale;
    if (s != devicePixelRatioF())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& r : event->region())
        painter.drawImage(QRectF(r), m_picture, QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
}

void MainWindow::updateButton(int index)
{
    const auto& buttons = m_state.skin.buttons.records;
    if (index < 0 || index >= int(buttons.size()))
        return;
    const SkinButton& b = buttons[index];
    update(ResolveElement(b.x, b.y, b.width, b.height, size()));
}

void MainWindow::updateSliders()
{
    for (const SkinSlider& s : m_state.skin.sliders.records)
        update(ResolveElement(s.x, s.y, s.width, s.height, size()).adjusted(0, 0, s.height, 0)); // with the knob
}

void MainWindow::drawElementsAt(QPoint point, bool released)
{
    const bool slidersDrawn = !m_press.pressed && !m_press.sliderActive;
    drawOnPicture([&](SkinCanvas& canvas) { DrawSkinElements(canvas, m_state.skin, point, released, m_press); });
    const int before = m_downButton;
    m_downButton = released ? -1 : m_state.skin.hotButton;
    if (m_downButton != before) {
        updateButton(before);
        updateButton(m_downButton);
    }
    if (slidersDrawn && (m_state.skin.hotSlider >= 0 || m_press.sliderActive))
        updateSliders();
}

void MainWindow::followZoomSlider()
{
    const auto& sliders = m_state.skin.sliders.records;
    const int hot = m_state.skin.hotSlider;
    if (hot < 0 || hot >= int(sliders.size()) || sliders[hot].name != u"zoom")
        return;
    m_state.view.zoom = SliderPercent(sliders[hot]);
    LeaveFittedViewForZoom(m_state);
    m_pageView->update();
}

void MainWindow::setPointerCursor(QPoint point)
{
    if (ResolveSizeArea(m_state.skin.sizeArea, size()).contains(point))
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed(event);
    else if (event->button() == Qt::RightButton)
        rightPressed(event->position().toPoint());
    event->accept();
}

void MainWindow::leftPressed(QMouseEvent* event)
{
    m_dragging = m_resizing = false;
    m_press = {};
    const QPoint point = event->position().toPoint();
    const SkinLayout& layout = m_state.skin;
    if (ResolveMoveArea(layout.moveArea, size()).contains(point) || (event->modifiers() & Qt::ControlModifier)) {
        if (compositorPlacesWindows() && windowHandle()) {
            windowHandle()->startSystemMove();
            return;
        }
        m_anchor = event->globalPosition().toPoint() - pos();
        m_dragging = true;
        return;
    }
    if (ResolveSizeArea(layout.sizeArea, size()).contains(point)) {
        setCursor(Qt::SizeFDiagCursor);
        if (compositorPlacesWindows() && windowHandle()) {
            windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
            return;
        }
        m_anchor = pos();
        m_resizing = true;
        m_pageView->setResizeDragInProgress(true);
        return;
    }
    m_pressPoint = point;
    drawElementsAt(point, false);
    if (m_state.skin.hotSlider >= 0) {
        m_press.sliderActive = true;
        followZoomSlider();
    }
    m_press.pressed = true;
}

void MainWindow::rightPressed(QPoint point)
{
    const int hot = ButtonAt(m_state.skin, size(), point);
    m_state.skin.hotButton = hot;
    if (hot < 0 || m_state.skin.buttons.records[hot].action != u"open")
        return;
    RunMenu(m_state, BuildOpenMenu(m_state, m_pageView), mapToGlobal(point));
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!m_press.pressed && !m_resizing)
        setPointerCursor(point);
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_anchor);
        return;
    }
    if (m_resizing) {
        Settings& s = m_state.settings;
        const QSize current(s.wndwidth, s.wndheight);
        const QSize wanted = GripResize(event->globalPosition().toPoint() - m_anchor, current);
        if (wanted != current) {
            s.wndwidth = wanted.width();
            s.wndheight = wanted.height();
            resize(wanted);
        }
        return;
    }
    if (!m_press.pressed)
        return;
    m_pressPoint = point;
    if (m_press.sliderActive) {
        drawOnPicture(
            [&](SkinCanvas& canvas) { DrawSliderDrag(canvas, m_state.skin, point.x(), m_state.skin.hotSlider); });
        updateSliders();
        followZoomSlider();
    } else {
        drawElementsAt(point, false); // the down image follows the pointer from button to button
    }
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (m_dragging) {
        m_dragging = false;
        m_state.settings.wndxpos = x();
        m_state.settings.wndypos = y();
        return;
    }
    if (m_resizing) {
        m_resizing = false;
        m_pageView->setResizeDragInProgress(false); // a stretched page is fitted again, once
        setPointerCursor(point);
        return;
    }
    if (m_press.sliderActive) {
        m_press = {};
        updateSliders();
        drawElementsAt(QPoint(-1, -1), false);
    } else if (m_press.pressed) {
        drawElementsAt(point, true);
        m_press = {};
        const int hot = m_state.skin.hotButton;
        if (hot >= 0) {
            const QString action = m_state.skin.buttons.records[hot].action; // the action may load a skin
            RunAction(m_state, action);
        }
    }
    setPointerCursor(point);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton || m_state.view.fullscreen
        || !ResolveMoveArea(m_state.skin.moveArea, size()).contains(point)) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    m_dragging = false;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Whoever resized the window (the grip, the window manager, a tiling layout), the placement follows,
    // the page view is placed again and a stretched page is fitted to it. A maximised window keeps the
    // size to go back to.
    if (!m_state.view.fullscreen) {
        if (!isMaximized()) {
            m_state.settings.wndwidth = width();
            m_state.settings.wndheight = height();
        }
        placePageView();
    }
    m_pictureStale = true;
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Moved by our drag area or by the window manager alike, the next start puts the window here.
    if (!m_state.view.fullscreen && !isMaximized() && !isMinimized()) {
        m_state.settings.wndxpos = x();
        m_state.settings.wndypos = y();
    }
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = SkinToolTipAt(m_state, size(), help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The page overview takes its keys itself while it is open.
    if (event->type() == QEvent::KeyPress && QApplication::activeWindow() == this && !m_state.overview.widget) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // With no book open, the arrows and Enter move over the recent books.
        if (m_shelf->isVisible() && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            m_shelf->takeKey(key.key()))
            return true;
        const KeyStroke stroke = KeyStrokeFromEvent(key);
        std::optional<Command> command = MatchAccelerator(m_state.accelTable, stroke);
        if (!command)
            command = MatchFixedKey(m_state.accelTable, stroke);
        if (command) {
            if (!m_keyRepeat.drop(key.timestamp(), key.isAutoRepeat())) {
                QElapsedTimer took;
                took.start();
                RunCommand(m_state, *command);
                m_keyRepeat.ran(key.timestamp(), took.elapsed());
            }
            return true;
        }
        if (IsWindowMenuKey(key)) {
            // Opened once the key press is over, so the menu doesn't see the rest of the key stroke.
            QMetaObject::invokeMethod(
                this, [this] { ShowWindowMenu(m_state, this); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_state.shutDown)
        ShutDown(m_state);
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    // Local files and folders only; how many is told at the drop.
    if (!DroppedPaths(event->mimeData()->urls()).isEmpty()) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedPaths(event->mimeData()->urls());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
    // The book opens after the drag source has its answer, so a slow decode or a message box doesn't
    // hold up the desktop's drag.
    QMetaObject::invokeMethod(
        this, [this, paths] { OpenDroppedBook(m_state, paths); }, Qt::QueuedConnection);
}

void MainWindow::wheelEvent(QWheelEvent* event)
{
    // A horizontal wheel is a different wheel; only the vertical one turns. With Ctrl held it zooms,
    // whatever the wheel is set to do.
    const int notches = m_wheelNotches.add(event->angleDelta().y());
    if (event->modifiers() & Qt::ControlModifier) {
        for (int i = 0; i < notches; ++i)
            RunCommand(m_state, Command::ZoomIn);
        for (int i = 0; i > notches; --i)
            RunCommand(m_state, Command::ZoomOut);
        event->accept();
        return;
    }
    for (int i = 0; i < notches; ++i)
        WheelTurned(m_state, 120);
    for (int i = 0; i > notches; --i)
        WheelTurned(m_state, -120);
    event->accept();
}
