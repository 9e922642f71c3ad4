// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageBox.h"

#include <QMessageBox>

namespace {
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

void ShowMessageBox(const ShownMessage& message)
{
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, message.owner);
    box.exec();
}
