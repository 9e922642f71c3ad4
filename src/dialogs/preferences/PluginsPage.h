// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Plugins page: a note on what plugins are to become; no settings.

#include <QWidget>

class PluginsPage : public QWidget {
    Q_OBJECT
public:
    explicit PluginsPage(QWidget* parent = nullptr);
};
