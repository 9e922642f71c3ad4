#pragma once
// The page view: the child window inside the main window that shows the current page.

#include <QWidget>

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
