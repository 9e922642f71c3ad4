// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frameless main window. The skin draws all of it into an off-screen picture that each paint copies;
// the pointer drags the window by the skin's move area (or anywhere with Ctrl), resizes it from the size
// grip, presses buttons (their action runs on release over a button) and drags sliders. Key presses go
// through the accelerator table to the command handler, the wheel turns as the settings say, and one
// book file or folder may be dropped on it. A double-click on the drag area maximises the window or
// gives it back its size; buttons and the zoom slider have tooltips.

#include "app/KeyRepeat.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "view/WheelInput.h"

#include <QImage>
#include <QWidget>

struct AppState;
struct AppWindows;
class PageView;
class ShelfView;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state);

    PageView* pageView() const { return m_pageView; }
    ShelfView* shelfView() const { return m_shelf; }

    // The window's rectangle from the placement in the settings.
    QRect savedPlacement() const;
    // Places the page view by the skin's page area and the window's size.
    void placePageView();
    // Both windows over the whole screen / back to the saved placement.
    void enterFullScreen();
    void leaveFullScreen();
    // After a skin was loaded: its bitmaps are taken up again, the page view re-placed and all redrawn.
    void skinChanged();

    // The skin as last composed, in device pixels (for tests and screenshots).
    const QImage& picture() const { return m_picture; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Draws into the picture with a canvas at the current scale; recreates the picture when the window's
    // size or scale changed (then everything is drawn).
    template <typename Draw> void drawOnPicture(Draw&& draw);
    void composeAll();
    // Draws the elements for a pointer at `point` and copies to the screen what changed.
    void drawElementsAt(QPoint point, bool released);
    void updateButton(int index);
    void updateSliders();
    void leftPressed(QMouseEvent* event);
    void rightPressed(QPoint point);
    void followZoomSlider();
    void setPointerCursor(QPoint point);

    AppState& m_state;
    PageView* m_pageView = nullptr;
    ShelfView* m_shelf = nullptr; // over the page view while no book is open
    WheelNotches m_wheelNotches;
    KeyRepeatThrottle m_keyRepeat;

    QImage m_picture; // the whole window as the skin draws it, in device pixels
    SkinArt m_art;    // the skin's bitmaps at the picture's scale
    bool m_artStale = true;
    bool m_pictureStale = true;

    // The pointer gestures.
    bool m_dragging = false;
    bool m_resizing = false;
    SkinPress m_press;
    QPoint m_anchor;       // dragging: pointer minus the window's top-left; resizing: the window's top-left
    QPoint m_pressPoint;   // where a held press over the elements last was
    int m_downButton = -1; // the button drawn with its down image
};

// The main window of `windows` as the skin window it is; null while there is none.
MainWindow* MainWindowOf(const AppWindows& windows);
