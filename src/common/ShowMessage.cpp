#include "common/ShowMessage.h"

#include "common/Seam.h"

#include <QApplication>
#include <QMessageBox>

namespace {
using SinkSeam = Seam<MessageSink, struct SinkTag>;

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
    if (const auto& sink = SinkSeam::current()) {
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
    return SinkSeam::replace(std::move(sink));
}
