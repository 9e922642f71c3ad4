// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Display page: full screen at start, colour corrections (normalisation and contrast) and how pages
// are stretched.

#include "dialogs/preferences/PreferencesHooks.h"

#include <QWidget>

class QLineEdit;
class QSlider;

class DisplayPage : public QWidget {
    Q_OBJECT
public:
    DisplayPage(Settings& settings, const PreferencesHooks& hooks, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contrastMoved(int position);

    Settings& m_settings;
    std::function<void()> m_redecodePage;
    QSlider* m_contrast = nullptr;
    QLineEdit* m_contrastValue = nullptr;
};
