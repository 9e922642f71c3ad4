// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/SkinsPage.h"

#include "common/ShowMessage.h"
#include "dialogs/ChooseOnEnter.h"
#include "dialogs/preferences/PageControls.h"
#include "dialogs/preferences/SkinFolders.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

SkinsPage::SkinsPage(const QStringList& skinRoots, const QString& skinInUse, const PreferencesHooks& hooks,
                     QWidget* parent)
    : QWidget(parent), m_skinInUse(skinInUse), m_loadSkin(hooks.loadSkin)
{
    setObjectName(QStringLiteral("101"));
    // This page's filling group box is the browser itself.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* browser = WithId(new QGroupBox(tr("Skin Browser")), "1010");
    outer->addWidget(browser);

    auto* hint = new QLabel(tr("Select a skin in the list and hit the load button."));
    hint->setAlignment(Qt::AlignHCenter);
    hint->setWordWrap(true);
    m_skins = WithId(new QListWidget, "1001");
    m_skins->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* load = WithId(new QPushButton(tr("Load")), "1000");

    auto* inner = new QVBoxLayout(browser);
    inner->addWidget(hint);
    inner->addWidget(m_skins);
    inner->addWidget(load, 0, Qt::AlignHCenter);

    if (const std::optional<QStringList> names = SkinFolderNames(skinRoots)) {
        m_skins->addItems(*names);
        markInUse();
        // The keyboard starts from the skin in use; nothing is selected, so "Load" alone loads nothing.
        for (int row = 0; row < m_skins->count(); ++row)
            if (m_skins->item(row)->text() == m_skinInUse)
                m_skins->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    } else {
        m_listingFailed = true;
    }

    connect(load, &QPushButton::clicked, this, &SkinsPage::loadSelected);
    connect(m_skins, &QListWidget::itemDoubleClicked, this, &SkinsPage::loadSelected);
    ChooseOnEnter(*m_skins, [this] { loadSelected(); });
}

void SkinsPage::markInUse()
{
    for (int row = 0; row < m_skins->count(); ++row) {
        QListWidgetItem* item = m_skins->item(row);
        QFont font = item->font();
        font.setBold(item->text() == m_skinInUse);
        item->setFont(font);
    }
}

void SkinsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_listingFailed)
        return;
    m_listingFailed = false;
    // Said once the page is up, so the box has it as its owner.
    QTimer::singleShot(0, this, [this] {
        ShowMessage(QStringLiteral("Error: unable to list your skins, check if you have a \\skins\\ directory"),
                    QStringLiteral("Error: Skin Directory"), this);
    });
}

void SkinsPage::loadSelected()
{
    const QList<QListWidgetItem*> selected = m_skins->selectedItems();
    if (selected.isEmpty() || !m_loadSkin)
        return;
    m_loadSkin(selected.first()->text());
    markInUse();
}
