// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Skins page: the installed skins, one of which "Load" (or a double click, or Enter) makes the
// running one. The skin in use is marked, and selected when the page opens.

#include "dialogs/preferences/PreferencesHooks.h"

#include <QWidget>

class QListWidget;

class SkinsPage : public QWidget {
    Q_OBJECT
public:
    // `skinInUse` is the running skin's name, read again after each load (a failing skin falls back).
    SkinsPage(const QStringList& skinRoots, const QString& skinInUse, const PreferencesHooks& hooks,
              QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadSelected();
    void markInUse();

    QListWidget* m_skins = nullptr;
    const QString& m_skinInUse;
    std::function<void(const QString&)> m_loadSkin;
    bool m_listingFailed = false;
};
