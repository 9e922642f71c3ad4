#include "common/ShowMessage.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageSink& currentSink()
{
    static MessageSink sink;
    return sink;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void ShowMessage(const QString& text, const QString& caption, QWidget* owner, MessageIcon icon)
{
    if (const auto& sink = currentSink()) {
        sink({text, caption, icon});
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return; // no GUI (a command-line tool): nothing to show a box in
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, owner);
    box.exec();
}

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}
