// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/ControlsPage.h"

#include "common/StringTable.h"
#include "dialogs/keys/KeyCaptureField.h"
#include "dialogs/keys/KeyNames.h"
#include "dialogs/preferences/PageControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The choices are the gesture action numbers, in order.
QComboBox* gestureBox(const char* id, const QList<int>& names, Settings::Short& setting)
{
    auto* box = WithId(new QComboBox, id);
    for (int name : names)
        box->addItem(StringText(name));
    // A hand-edited action number outside the list shows no choice until one is made.
    box->setCurrentIndex(setting >= 0 && setting < box->count() ? setting : -1);
    QObject::connect(box, &QComboBox::activated, box, [&setting](int index) { setting = Settings::Short(index); });
    return box;
}
} // namespace

ControlsPage::ControlsPage(Settings& settings, const PreferencesHooks& hooks, ControlNames names, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_rebuildAccelerators(hooks.rebuildAccelerators), m_names(std::move(names))
{
    setObjectName(QStringLiteral("121"));
    QGroupBox* page = PageFrame(this, StringText(9));

    auto* gestures = new QFormLayout;
    gestures->addRow(tr("Left click will:"), WithId(new QLabel(StringText(14)), "1037"));
    gestures->addRow(tr("Double Left click will:"), gestureBox("1036", m_names.gestures, settings.dblleftm));
    gestures->addRow(tr("Right click will:"), gestureBox("1033", m_names.gestures, settings.rightm));
    gestures->addRow(tr("Middle click will:"), gestureBox("1034", m_names.gestures, settings.middlem));
    gestures->addRow(tr("Left + Right click will:"), gestureBox("1035", m_names.gestures, settings.leftrightm));

    // The list is sorted by its texts; each row keeps its slot, which names it whatever its position.
    m_slots = WithId(new QListWidget, "1031");
    QList<QPair<QString, int>> rows;
    for (int slot = 0; slot < m_names.keySlots.size(); ++slot)
        rows.append({KeySlotEntryText(m_names.keySlots[slot], settings.vk(slot), settings.sk(slot)), slot});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    for (const auto& [text, slot] : rows) {
        auto* item = new QListWidgetItem(text, m_slots);
        item->setData(Qt::UserRole, slot);
    }

    m_capture = WithId(new KeyCaptureField, "1040");
    auto* setCurrent = WithId(new QPushButton(tr("Set Current")), "1007");
    auto* setNone = WithId(new QPushButton(tr("Set None")), "1008");
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(m_capture, 1);
    keyRow->addWidget(setCurrent);
    keyRow->addWidget(setNone);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(gestures);
    layout->addWidget(m_slots, 1);
    layout->addLayout(keyRow);
    // The fixed keys act only while no slot above holds the same key; they are listed, not chosen.
    if (!m_names.fixedKeys.isEmpty()) {
        auto* fixed = WithId(new QListWidget, "1071");
        fixed->setSelectionMode(QAbstractItemView::NoSelection);
        fixed->setFocusPolicy(Qt::NoFocus);
        for (const FixedKeyRow& row : m_names.fixedKeys)
            fixed->addItem(row.action + QStringLiteral(" (") + row.key + QStringLiteral(", ") + tr("fixed") + u')');
        layout->addWidget(new QLabel(tr("Fixed keys (when no key above is the same):")));
        layout->addWidget(fixed);
    }

    showPending();
    connect(m_capture, &KeyCaptureField::keyPressed, this, &ControlsPage::keyPressed);
    connect(setCurrent, &QPushButton::clicked, this, &ControlsPage::setCurrent);
    connect(setNone, &QPushButton::clicked, this, &ControlsPage::setNone);
}

ControlsPage::~ControlsPage()
{
    if (m_rebuildAccelerators)
        m_rebuildAccelerators();
}

void ControlsPage::keyPressed(int virtualKey)
{
    m_pending = CaptureKeyPress(m_pending, virtualKey);
    showPending();
}

void ControlsPage::showPending()
{
    m_capture->showKey(FormatKeyName(m_pending.virtualKey, m_pending.modifierCode));
}

QList<int> ControlsPage::slotsInListOrder() const
{
    QList<int> order;
    for (int row = 0; row < m_slots->count(); ++row)
        order.append(m_slots->item(row)->data(Qt::UserRole).toInt());
    return order;
}

void ControlsPage::refreshSlotRow(int slot)
{
    // The row keeps its place: the list is sorted only when it is filled.
    const int row = int(slotsInListOrder().indexOf(slot));
    if (row >= 0)
        m_slots->item(row)->setText(KeySlotEntryText(m_names.keySlots[slot], m_settings.vk(slot), m_settings.sk(slot)));
}

void ControlsPage::setCurrent()
{
    QListWidgetItem* item = m_slots->currentItem();
    if (!item || !item->isSelected())
        return;
    const int slot = item->data(Qt::UserRole).toInt();
    const int cleared = AssignSlotKey(m_settings, slotsInListOrder(), slot, m_pending);
    refreshSlotRow(slot);
    m_pending = {};
    showPending();
    if (cleared >= 0)
        refreshSlotRow(cleared);
}

void ControlsPage::setNone()
{
    m_pending = {};
    showPending();
    QListWidgetItem* item = m_slots->currentItem();
    if (!item || !item->isSelected())
        return;
    const int slot = item->data(Qt::UserRole).toInt();
    SetSlotKey(m_settings, slot, {});
    refreshSlotRow(slot);
}
