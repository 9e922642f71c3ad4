// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The General page: the mouse wheel, navigation and preloading settings, the file association and the
// language.

#include <QWidget>

struct Settings;
class QListWidget;

class GeneralPage : public QWidget {
    Q_OBJECT
public:
    explicit GeneralPage(Settings& settings, QWidget* parent = nullptr);

signals:
    // "Select language" was pressed; the frame closes before the choice.
    void languageAsked();

private:
    void associateSelected();
    void associateAll();
    void cleanAll();

    QListWidget* m_extensions = nullptr;
};
