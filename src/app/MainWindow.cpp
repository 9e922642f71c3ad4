#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/DropBook.h"
#include "app/ShutDown.h"
#include "app/VirtualKeys.h"
#include "app/WindowMenu.h"
#include "view/PageView.h"
#include "view/PageViewInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

MainWindow::MainWindow(AppState& state) : QWidget(nullptr, Qt::FramelessWindowHint), m_state(state)
{
    setObjectName(QStringLiteral("MainStaticClass"));
    setWindowTitle(QStringLiteral("Bullevista"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(savedPlacement());
    m_pageView = new PageView(viewRecords(state), this);
    new PageViewInput(viewRecords(state), m_pageView);
    placePageView();
    setAcceptDrops(true);
    // Accelerators see every key press while this window is the active one, whichever child has focus.
    qApp->installEventFilter(this);
}

QRect MainWindow::savedPlacement() const
{
    const Settings& s = m_state.settings;
    return MainWindowRect(s.wndxpos, s.wndypos, s.wndwidth, s.wndheight);
}

void MainWindow::placePageView()
{
    const QRect window = savedPlacement();
    m_pageView->setGeometry(PlacePageView(pageArea, window.width(), window.height()));
}

void MainWindow::enterFullScreen()
{
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    setGeometry(QRect(QPoint(0, 0), screen.size()));
    m_pageView->setGeometry(QRect(QPoint(0, 0), screen.size()));
    m_state.view.fullscreen = true;
}

void MainWindow::leaveFullScreen()
{
    setGeometry(savedPlacement());
    placePageView();
    m_state.view.fullscreen = false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && QApplication::activeWindow() == this) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const int command = MatchAccelerator(m_state.accelTable, KeyStrokeFromEvent(key));
        if (command != 0) {
            if (!m_keyRepeat.drop(key.timestamp(), key.isAutoRepeat())) {
                QElapsedTimer took;
                took.start();
                RunCommand(m_state, command);
                m_keyRepeat.ran(key.timestamp(), took.elapsed());
            }
            return true;
        }
        if (IsWindowMenuKey(key)) {
            // Opened once the key press is over, so the menu doesn't see the rest of the key stroke.
            QMetaObject::invokeMethod(this, [this] { ShowWindowMenu(m_state, this); }, Qt::QueuedConnection);
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
    QMetaObject::invokeMethod(this, [this, paths] { OpenDroppedBook(m_state, paths); }, Qt::QueuedConnection);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
}

void MainWindow::wheelEvent(QWheelEvent* event)
{
    // A horizontal wheel is a different wheel; only the vertical one turns.
    const int notches = m_wheelNotches.add(event->angleDelta().y());
    for (int i = 0; i < notches; ++i)
        WheelTurned(m_state, 120);
    for (int i = 0; i > notches; --i)
        WheelTurned(m_state, -120);
    event->accept();
}
