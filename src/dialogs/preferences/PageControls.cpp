// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/PageControls.h"

#include <QVBoxLayout>

QCheckBox* SettingCheckBox(const char* id, const QString& text, bool checked, std::function<void(bool)> changed)
{
    auto* box = WithId(new QCheckBox(text), id);
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, std::move(changed));
    return box;
}

QCheckBox* SettingCheckBox(const char* id, const QString& text, bool& setting, std::function<void()> after)
{
    return SettingCheckBox(id, text, static_cast<bool>(setting), [&setting, after = std::move(after)](bool on) {
        setting = on;
        if (after)
            after();
    });
}

QCheckBox* SettingCheckBox(const char* id, const QString& text, std::int32_t& setting, std::function<void()> after)
{
    return SettingCheckBox(id, text, setting > 0, [&setting, after = std::move(after)](bool on) {
        setting = on ? 1 : 0;
        if (after)
            after();
    });
}

QRadioButton* SettingRadio(const char* id, const QString& text, bool checked, std::function<void()> chosen)
{
    auto* radio = WithId(new QRadioButton(text), id);
    radio->setChecked(checked);
    QObject::connect(radio, &QRadioButton::toggled, radio, [chosen = std::move(chosen)](bool on) {
        if (on)
            chosen();
    });
    return radio;
}

QGroupBox* PageFrame(QWidget* page, const QString& title)
{
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QGroupBox(title);
    outer->addWidget(frame);
    return frame;
}
