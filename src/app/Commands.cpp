#include "app/Commands.h"

#include "app/AppState.h"
#include "app/ShutDown.h"

#include <QApplication>
#include <QWidget>

namespace {
QWidget* mainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainStaticClass"))
            return w;
    return nullptr;
}
} // namespace

void RunCommand(AppState& state, int commandId)
{
    switch (commandId) {
    case 16: RunAction(state, u"close"); break;
    default: break; // the other commands arrive with the reading issue
    }
}

void RunAction(AppState& state, QStringView word)
{
    if (word == u"close") {
        ShutDown(state);
    } else if (word == u"minimize") {
        if (QWidget* w = mainWindow())
            w->showMinimized();
    }
}
