// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/PreferencesFrame.h"

#include "common/Settings.h"
#include "common/StringTable.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/preferences/ControlsPage.h"
#include "dialogs/preferences/DisplayPage.h"
#include "dialogs/preferences/GeneralPage.h"
#include "dialogs/preferences/PageListDelegate.h"
#include "dialogs/preferences/PluginsPage.h"
#include "dialogs/preferences/SkinsPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The list's texts by page, in list order.
constexpr int kPageNames[PreferencesFrame::PageCount] = {5, 6, 7, 9, 8};
} // namespace

PreferencesFrame::PreferencesFrame(PreferencesContext context, QWidget* owner)
    : QDialog(owner), m_context(std::move(context))
{
    setObjectName(QStringLiteral("110"));
    setWindowTitle(tr("Preferences"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("1005"));
    m_list->setItemDelegate(new PageListDelegate(m_list));
    // The list and the page area in dialog units: they grow with the dialog's font and the screen's scale.
    const DialogUnits units = DialogUnitsOf(*this);
    m_list->setFixedWidth(units.x(77));
    m_list->setUniformItemSizes(true);
    for (int id : kPageNames)
        m_list->addItem(StringText(id));

    m_placeholder = new QWidget;
    m_placeholder->setObjectName(QStringLiteral("1008"));
    // The page area's least size, which a page that needs more exceeds (a minimum size set on the widget
    // itself would hold the page to it instead).
    auto* pageLayout = new QGridLayout(m_placeholder);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setColumnMinimumWidth(0, units.x(229));
    pageLayout->setRowMinimumHeight(0, units.y(169));

    auto* layout = new QHBoxLayout(this);
    // Never smaller than the page asks: a longer page (another one, another language) widens the window
    // rather than cutting its texts.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(m_list);
    layout->addWidget(m_placeholder, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, &PreferencesFrame::showPage);
    m_list->setCurrentRow(General);
}

PreferencesFrame::~PreferencesFrame()
{
    // The page goes first, while the frame it reaches through is still whole.
    destroyPage();
}

void PreferencesFrame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_list->setCurrentRow(General);
}

void PreferencesFrame::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    m_list->setCurrentRow(General);
}

void PreferencesFrame::closeEvent(QCloseEvent* event)
{
    destroyPage();
    QDialog::closeEvent(event);
}

void PreferencesFrame::destroyPage()
{
    delete m_page.data();
}

void PreferencesFrame::showPage(int row)
{
    destroyPage();
    QWidget* page = nullptr;
    switch (row) {
    case General: {
        auto* general = new GeneralPage(m_context.settings);
        connect(general, &GeneralPage::languageAsked, this, &PreferencesFrame::selectLanguage);
        page = general;
        break;
    }
    case Display: page = new DisplayPage(m_context.settings, m_context.hooks); break;
    case Skins: page = new SkinsPage(m_context.skinRoots, m_context.settings.skinname, m_context.hooks); break;
    case Controls: page = new ControlsPage(m_context.settings, m_context.hooks, m_context.names); break;
    case Plugins: page = new PluginsPage; break;
    default: return; // no entry chosen: the area stays empty
    }
    // No button of a page is the window's default: Enter must not associate files or load a skin.
    for (QPushButton* button : page->findChildren<QPushButton*>())
        button->setAutoDefault(false);
    m_page = page;
    static_cast<QGridLayout*>(m_placeholder->layout())->addWidget(page, 0, 0);
}

void PreferencesFrame::selectLanguage()
{
    // The frame and its page go first (the button pressed is on that page, so after its click is over),
    // then the language is chosen with no Preferences window open.
    QPointer<PreferencesFrame> frame(this);
    std::function<void()> choose = m_context.hooks.selectLanguage;
    QTimer::singleShot(0, qApp, [frame, choose] {
        delete frame.data();
        RunHook(choose);
    });
}
