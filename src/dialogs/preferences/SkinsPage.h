#pragma once
// The Skins page: the installed skins, one of which "Load" (or a double click) makes the running one.

#include "dialogs/preferences/PreferencesHooks.h"

#include <QWidget>

class QListWidget;

class SkinsPage : public QWidget {
    Q_OBJECT
public:
    SkinsPage(const QStringList& skinRoots, const PreferencesHooks& hooks, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadSelected();

    QListWidget* m_skins = nullptr;
    std::function<void(const QString&)> m_loadSkin;
    bool m_listingFailed = false;
};
