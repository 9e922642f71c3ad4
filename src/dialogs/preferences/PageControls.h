// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers the Preferences pages build their controls with: each control carries its numeric id
// as its object name, so tests and translations can find it.

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <cstdint>
#include <functional>

template <typename Control> Control* WithId(Control* control, const char* id)
{
    control->setObjectName(QLatin1String(id));
    return control;
}

// A check box showing `checked` that calls `changed` with its new state whenever the user toggles it.
QCheckBox* SettingCheckBox(const char* id, const QString& text, bool checked, std::function<void(bool)> changed);

// A check box over one setting: it shows the setting and stores every toggle into it, then runs `after`
// (when there is one). A number setting shows checked above 0 and stores 1 or 0.
QCheckBox* SettingCheckBox(const char* id, const QString& text, bool& setting, std::function<void()> after = {});
QCheckBox* SettingCheckBox(const char* id, const QString& text, std::int32_t& setting,
                           std::function<void()> after = {});

// A radio button that calls `chosen` when the user picks it.
QRadioButton* SettingRadio(const char* id, const QString& text, bool checked, std::function<void()> chosen);

// The group box, titled with the page's name, that fills a page.
QGroupBox* PageFrame(QWidget* page, const QString& title);
