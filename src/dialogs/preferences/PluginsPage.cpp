// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/PluginsPage.h"

#include "common/StringTable.h"
#include "dialogs/preferences/PageControls.h"

#include <QLabel>
#include <QVBoxLayout>

PluginsPage::PluginsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("111"));
    QGroupBox* page = PageFrame(this, StringText(8));
    auto* note = new QLabel(tr("Version 1.5:\nA plugin architecture to modify the image before displaying it.That "
                               "means controlling RGB values, contrast, luminosity, etc. You could even write a "
                               "plugin to show the page in black and white, to remove the glitches from old "
                               "scanners."));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(note);
    layout->addStretch();
}
