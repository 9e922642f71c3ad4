#pragma once
// The string ids that name the key slots and the gesture choices on the Controls page. The program fills
// them in from its command table.

#include <QList>

struct ControlNames {
    QList<int> keySlots; // by slot
    QList<int> gestures; // by gesture action number, the order of the choices
};
