// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SkinToolTips.h"

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/PopupMenu.h"
#include "skin/SkinGeometry.h"

#include <QCoreApplication>

QString ZoomToolTip(int zoom)
{
    return QCoreApplication::translate("SkinToolTips", "Zoom: %1 %").arg(100 + zoom);
}

QString SkinToolTipAt(const AppState& state, QSize window, QPoint point)
{
    const SkinLayout& layout = state.skin;
    if (const int button = ButtonAt(layout, window, point); button >= 0) {
        const std::optional<Command> command = CommandWithWord(layout.buttons.records[button].action);
        if (!command)
            return {};
        const QString text = CommandMenuText(*command);
        const QString key = CommandKeyText(state.settings, *command);
        return key.isEmpty() ? text : text + QStringLiteral(" (") + key + u')';
    }
    if (const int slider = SliderAt(layout, window, point);
        slider >= 0 && layout.sliders.records[slider].name == u"zoom")
        return ZoomToolTip(state.view.zoom);
    return {};
}
