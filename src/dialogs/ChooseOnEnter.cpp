// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ChooseOnEnter.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> choose) : QObject(parent), m_choose(std::move(choose)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_choose();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_choose;
};
} // namespace

void ChooseOnEnter(QAbstractItemView& view, std::function<void()> choose)
{
    view.installEventFilter(new EnterFilter(&view, std::move(choose)));
}
