#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/ShutDown.h"
#include "app/VirtualKeys.h"
#include "view/PageView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

MainWindow::MainWindow(AppState& state) : QWidget(nullptr, Qt::FramelessWindowHint), m_state(state)
{
    setObjectName(QStringLiteral("MainStaticClass"));
    setWindowTitle(QStringLiteral("Bullevista"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(savedPlacement());
    m_pageView = new PageView(this);
    placePageView();
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
        const int command = MatchAccelerator(m_state.accelTable, KeyStrokeFromEvent(*static_cast<QKeyEvent*>(event)));
        if (command != 0) {
            RunCommand(m_state, command);
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

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
}
