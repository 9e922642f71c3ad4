// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/keys/KeyCaptureField.h"

#include "dialogs/keys/VirtualKeys.h"

#include <QKeyEvent>

KeyCaptureField::KeyCaptureField(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    // Whatever still reaches the text (an input method, a middle-button paste) is put back at once.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != m_shown)
            setText(m_shown);
    });
}

void KeyCaptureField::showKey(const QString& text)
{
    m_shown = text;
    setText(text);
}

bool KeyCaptureField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the window's shortcuts never see a key meant for the field
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int virtualKey = 0;
        if (key->key() == Qt::Key_Control)
            virtualKey = 17;
        else if (key->key() == Qt::Key_Alt)
            virtualKey = 18;
        else
            virtualKey = VirtualKeyForQtKey(key->key(), key->modifiers() & Qt::KeypadModifier);
        emit keyPressed(virtualKey);
        return true;
    }
    return QLineEdit::event(event);
}
