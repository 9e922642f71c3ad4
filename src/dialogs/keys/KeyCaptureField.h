// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Controls page's capture field: every key pressed in it is captured, Tab, Enter, Escape and the
// program's own shortcuts included, and nothing typed or pasted changes its text.

#include <QLineEdit>

class KeyCaptureField : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCaptureField(QWidget* parent = nullptr);

    // Shows `text`, the captured key's name.
    void showKey(const QString& text);

signals:
    // A key went down: its virtual-key code (17 Ctrl, 18 Alt; 0 when the key has none).
    void keyPressed(int virtualKey);

protected:
    bool event(QEvent* event) override;

private:
    QString m_shown;
};
