#pragma once
// The frameless main window. It turns key presses into command ids through the accelerator table and
// hands them to the command handler, and takes one book file or folder dropped on it; the skin issue
// gives it its look.

#include "app/KeyRepeat.h"
#include "app/ViewPlacement.h"
#include "view/WheelInput.h"

#include <QWidget>

struct AppState;
class PageView;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state);

    PageView* pageView() const { return m_pageView; }

    // The window's rectangle from the placement in the settings.
    QRect savedPlacement() const;
    // Places the page view by the skin's page area and the window size in the settings.
    void placePageView();
    // Both windows over the whole screen / back to the saved placement.
    void enterFullScreen();
    void leaveFullScreen();

    PageArea pageArea; // the skin's page area; all zero until a skin sets it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    AppState& m_state;
    PageView* m_pageView = nullptr;
    WheelNotches m_wheelNotches;
    KeyRepeatThrottle m_keyRepeat;
};
