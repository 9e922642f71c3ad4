// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modeless "Preferences" window: a list of five pages on the left, the chosen page on the right.
// Only one page exists at a time: it is made when its entry is chosen and destroyed when another is
// chosen or the window closes. There is no OK or Cancel; every control writes its setting at once.

#include "dialogs/preferences/PreferencesHooks.h"

#include <QDialog>
#include <QPointer>

class QListWidget;

class PreferencesFrame : public QDialog {
    Q_OBJECT
public:
    enum Page { General, Display, Skins, Controls, Plugins, PageCount };

    PreferencesFrame(PreferencesContext context, QWidget* owner = nullptr);
    ~PreferencesFrame() override;

    QListWidget* pageList() const { return m_list; }
    QWidget* currentPage() const { return m_page; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showPage(int row);
    void destroyPage();
    void selectLanguage();

    PreferencesContext m_context;
    QListWidget* m_list = nullptr;
    QWidget* m_placeholder = nullptr;
    QPointer<QWidget> m_page;
};
