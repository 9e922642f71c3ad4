// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program shows a message box. Texts and captions are the program's own and are never
// translated. The box itself belongs to the app, which installs it as the sink at start-up; tests install
// a sink that records what would have been shown. Without a sink (a tool without a window) nothing is
// shown.

#include "common/Message.h"

#include <QString>
#include <functional>

class QWidget; // the box's owner, only passed on

enum class MessageIcon { None, Information, Exclamation, Error };

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    QWidget* owner = nullptr; // none: the box has no owner window
};

void ShowMessage(const QString& text, const QString& caption, QWidget* owner = nullptr,
                 MessageIcon icon = MessageIcon::None);

// Shows each of `messages` in turn, without an owner.
void ShowMessages(const Messages& messages);

using MessageSink = std::function<void(const ShownMessage&)>;

// Replaces where messages go; returns the previous sink.
MessageSink SetMessageSink(MessageSink sink);
