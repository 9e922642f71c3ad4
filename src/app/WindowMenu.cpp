// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowMenu.h"

#include "app/Commands.h"
#include "app/PopupMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

bool IsWindowMenuKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Space
        && (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)) == Qt::AltModifier;
}

std::unique_ptr<QMenu> BuildWindowMenu(QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    const auto add = [&menu](const char* text, int id) {
        QAction* action = menu->addAction(QCoreApplication::translate("WindowMenu", text));
        action->setData(id);
        action->setObjectName(QString::number(id));
    };
    add(QT_TRANSLATE_NOOP("WindowMenu", "Mi&nimize"), kWindowMinimize);
    add(QT_TRANSLATE_NOOP("WindowMenu", "&Close"), kWindowClose);
    menu->addSeparator();
    add(QT_TRANSLATE_NOOP("WindowMenu", "&About..."), CommandInfoOf(Command::About).menuId);
    return menu;
}

void ShowWindowMenu(AppState& state, QWidget* window)
{
    std::unique_ptr<QMenu> menu = BuildWindowMenu(window);
    const int id = TrackMenu(*menu, window->mapToGlobal(QPoint(0, 0)));
    menu.reset();
    switch (id) {
    case kWindowMinimize: window->showMinimized(); break;
    case kWindowClose: window->close(); break;
    default: RunMenuCommand(state, id); break;
    }
}
