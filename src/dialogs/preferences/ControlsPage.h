// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Controls page: the key slots with their keys, the field that captures a new key, and what the
// four mouse gestures do. Gestures change at once; the key slots change in the settings at once but
// reach the keyboard when the page is destroyed.

#include "dialogs/keys/KeySlotEdits.h"
#include "dialogs/preferences/PreferencesHooks.h"

#include <QWidget>

class KeyCaptureField;
class QListWidget;

class ControlsPage : public QWidget {
    Q_OBJECT
public:
    ControlsPage(Settings& settings, const PreferencesHooks& hooks, ControlNames names, QWidget* parent = nullptr);
    ~ControlsPage() override; // the keyboard follows the edited slots from here

private:
    void keyPressed(int virtualKey);
    void setCurrent();
    void setNone();
    void showPending();
    void refreshSlotRow(int slot);
    QList<int> slotsInListOrder() const;

    Settings& m_settings;
    std::function<void()> m_rebuildAccelerators;
    ControlNames m_names;
    QListWidget* m_slots = nullptr;
    KeyCaptureField* m_capture = nullptr;
    SlotKey m_pending;
};
