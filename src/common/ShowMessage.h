#pragma once
// The one way the program shows a message box. Texts and captions are the program's own and are never
// translated. Tests install a sink that records what would have been shown instead of opening a box.

#include <QString>
#include <functional>

class QWidget;

enum class MessageIcon { None, Information, Exclamation, Error };

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
};

void ShowMessage(const QString& text, const QString& caption, QWidget* owner = nullptr,
                 MessageIcon icon = MessageIcon::None);

using MessageSink = std::function<void(const ShownMessage&)>;

// Replaces where messages go; returns the previous sink. An empty sink restores the message box.
MessageSink SetMessageSink(MessageSink sink);
