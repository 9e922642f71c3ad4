// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The string ids that name the key slots and the gesture choices on the Controls page. The program fills
// them in from its command table.

#include <QList>
#include <QString>

// A key the program reserves beyond the slots: what it does and the key, both as read.
struct FixedKeyRow {
    QString action;
    QString key;
};

struct ControlNames {
    QList<int> keySlots; // by slot
    QList<int> gestures; // by gesture action number, the order of the choices
    QList<FixedKeyRow> fixedKeys;
};
