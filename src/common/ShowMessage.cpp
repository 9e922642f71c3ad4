// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ShowMessage.h"

#include "common/Seam.h"

namespace {
using SinkSeam = Seam<MessageSink, struct SinkTag>;
} // namespace

void ShowMessage(const QString& text, const QString& caption, QWidget* owner, MessageIcon icon)
{
    if (const auto& sink = SinkSeam::current())
        sink({text, caption, icon, owner});
}

void ShowMessages(const Messages& messages)
{
    for (const Message& message : messages)
        ShowMessage(message.text, message.caption);
}

MessageSink SetMessageSink(MessageSink sink)
{
    return SinkSeam::replace(std::move(sink));
}
