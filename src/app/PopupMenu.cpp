// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PopupMenu.h"

#include "app/AppState.h"
#include "app/BookCover.h"
#include "app/BookHistory.h"
#include "app/Commands.h"
#include "common/Paths.h"
#include "common/Seam.h"
#include "common/Settings.h"
#include "common/StringTable.h"
#include "dialogs/keys/KeyNames.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <algorithm>
#include <QMouseEvent>

namespace {
constexpr const char* kContext = "PopupMenu";
constexpr const char* kBookPathProperty = "bookPath";
using E = MenuEntry;

// The "Open" submenu, which the skin's "open" button also shows on its own.
const std::vector<MenuEntry> kOpenEntries = {
    {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "A File..."), Command::Open},
    {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "A Directory..."), Command::OpenDir},
    {E::Separator},
    {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Book from last session"), Command::OpenLast},
};

std::vector<MenuEntry> makePopupEntries()
{
    std::vector<MenuEntry> entries = {
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Toggle Fullscreen"), Command::Fullscreen},
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Stretched View"), Command::Stretch},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Flipped View"), Command::Flip},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Rotate Left"), Command::RotateLeft},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Rotate Right"), Command::RotateRight},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Two Pages"), Command::TwoPages},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Shift Pairs"), Command::ShiftPairs},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Manga Order"), Command::MangaOrder},
        {E::Separator},
        {E::Submenu, QT_TRANSLATE_NOOP("PopupMenu", "Open")},
    };
    entries.insert(entries.end(), kOpenEntries.begin(), kOpenEntries.end());
    const std::vector<MenuEntry> rest = {
        {E::EndSubmenu},
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Info... \t"), Command::Info},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Preferences...\t"), Command::Option},
        {E::Separator},
        {E::Submenu, QT_TRANSLATE_NOOP("PopupMenu", "Zoom")},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "100%"), Command::Zoom100},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "125%"), Command::Zoom125},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "150%"), Command::Zoom150},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "175%"), Command::Zoom175},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "200%"), Command::Zoom200},
        {E::EndSubmenu},
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Next Page \t"), Command::Forward},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Previous Page \t"), Command::Back},
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Jump To... \t"), Command::Jump},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Page Overview\t"), Command::Overview},
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Quit"), Command::Close},
        {E::Separator},
        // Most window managers keep Alt+Space for themselves, so the window menu's About is seldom seen.
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "About Bullevista..."), Command::About},
    };
    entries.insert(entries.end(), rest.begin(), rest.end());
    return entries;
}

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// The commands the popup has no item for, named for the skin buttons' tooltips.
const char* const kMenuText = QT_TRANSLATE_NOOP("PopupMenu", "Menu");
const char* const kMinimizeText = QT_TRANSLATE_NOOP("PopupMenu", "Minimize");

// An item's text with the key of its command in the shortcut column. Some texts bring their own tab.
QString withKey(const QString& text, const QString& key)
{
    if (key.isEmpty())
        return text;
    return text.contains(u'\t') ? text + key : text + u'\t' + key;
}

QAction* addItem(QMenu& menu, const QString& text, int id)
{
    QAction* action = menu.addAction(text);
    action->setData(id);
    action->setObjectName(QString::number(id));
    return action;
}

// The books read last, each with its cover and the page it was left at ("12/180").
void addRecentBooks(QMenu& open, const AppState& state, const std::vector<HistoryRow>& recent)
{
    if (recent.empty())
        return;
    open.addSeparator();
    const QSize coverSize(24, 32);
    for (std::size_t i = 0; i < recent.size() && int(i) < kRecentBooksListed; ++i) {
        const HistoryRow& row = recent[i];
        const QString label = RecentBookLabel(row.path).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = addItem(open, label + QLatin1Char('\t') + RecentBookPageText(row), kRecentBookFirstId + int(i));
        action->setIcon(QIcon(QPixmap::fromImage(BookCoverImage(state.paths.thumbnailRoot, row.path, coverSize))));
        action->setProperty(kBookPathProperty, row.path);
    }
}

// Steps 2 and 3 of preparing the menu: the previous-run items, or "Book from last session" disabled;
// then the books read last.
void prepareOpenMenu(QMenu& open, const AppState& state, const std::vector<HistoryRow>& recent)
{
    const Settings& s = state.settings;
    if (!s.previousbook.isEmpty()) {
        addItem(open, PreviousBookLabel(s.previousbook), kMenuInfoItemId)->setEnabled(false);
        const QString page = StringText(36).left(99) + QString::number(qint64(s.previouspage) + 1);
        addItem(open, page, kMenuInfoItemId)->setEnabled(false);
    } else {
        open.actions().at(3)->setEnabled(false);
    }
    addRecentBooks(open, state, recent);
}

void addEntries(QMenu& menu, const Settings& settings, std::vector<MenuEntry>::const_iterator& it,
                std::vector<MenuEntry>::const_iterator end)
{
    for (; it != end; ++it) {
        switch (it->kind) {
        case E::Item:
            addItem(menu, withKey(translated(it->text), CommandKeyText(settings, it->command)),
                    CommandInfoOf(it->command).menuId);
            break;
        case E::Separator: menu.addSeparator(); break;
        case E::Submenu: {
            QMenu* sub = menu.addMenu(translated(it->text));
            ++it;
            addEntries(*sub, settings, it, end);
            break;
        }
        case E::EndSubmenu: return;
        }
    }
}

using TrackerSeam = Seam<MenuTracker, struct TrackerTag>;

// The book of the recent-book item `id` in `menu` or its submenus; empty for any other item.
QString recentBookChosen(const QMenu& menu, int id)
{
    if (id < kRecentBookFirstId || id >= kRecentBookFirstId + kRecentBooksListed)
        return {};
    for (const QAction* action : menu.actions()) {
        if (action->menu()) {
            if (QString book = recentBookChosen(*action->menu(), id); !book.isEmpty())
                return book;
        } else if (action->data().toInt() == id) {
            return action->property(kBookPathProperty).toString();
        }
    }
    return {};
}
} // namespace

const std::vector<MenuEntry>& PopupMenuEntries()
{
    static const std::vector<MenuEntry> entries = makePopupEntries();
    return entries;
}

QString CommandMenuText(Command command)
{
    if (command == Command::Menu)
        return translated(kMenuText);
    if (command == Command::Minimize)
        return translated(kMinimizeText);
    for (const MenuEntry& e : PopupMenuEntries())
        if (e.kind == E::Item && e.command == command)
            return translated(e.text).section(u'\t', 0, 0).trimmed();
    return {};
}

QString CommandKeyText(const Settings& settings, Command command)
{
    const int slot = CommandInfoOf(command).key.slot;
    if (slot < 0 || settings.vk(slot) <= 0)
        return {};
    return FormatKeyName(settings.vk(slot), settings.sk(slot));
}

QString PreviousBookLabel(const QString& previousbook)
{
    // Search from the character before the last, so a folder's own trailing separator is kept.
    if (previousbook.size() < 2)
        return previousbook;
    const int cut = previousbook.lastIndexOf(paths::kSeparator, previousbook.size() - 2);
    return previousbook.mid(cut + 1);
}

QString RecentBookLabel(const QString& bookPath)
{
    const int cut = bookPath.lastIndexOf(paths::kSeparator);
    return bookPath.mid(cut + 1);
}

QString RecentBookPageText(const HistoryRow& row)
{
    return QString::number(qint64(row.lastPage) + 1) + QLatin1Char('/') + QString::number(row.pageCount);
}

std::unique_ptr<QMenu> BuildPopupMenu(AppState& state, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    auto it = PopupMenuEntries().cbegin();
    addEntries(*menu, state.settings, it, PopupMenuEntries().cend());
    const QList<QAction*> items = menu->actions();
    // The "Open" submenu is the first one.
    const auto open = std::find_if(items.begin(), items.end(), [](const QAction* item) { return item->menu(); });
    prepareOpenMenu(*(*open)->menu(), state, RecentBooks(state, kRecentBooksListed));
    items.at(2)->setCheckable(true);
    items.at(2)->setChecked(state.view.stretched);
    items.at(3)->setCheckable(true);
    items.at(3)->setChecked(state.view.flipped);
    return menu;
}

std::unique_ptr<QMenu> BuildOpenMenu(AppState& state, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    auto it = kOpenEntries.cbegin();
    addEntries(*menu, state.settings, it, kOpenEntries.cend());
    prepareOpenMenu(*menu, state, RecentBooks(state, kRecentBooksListed));
    return menu;
}

MenuTracker SetMenuTracker(MenuTracker tracker)
{
    return TrackerSeam::replace(std::move(tracker));
}

int TrackMenu(QMenu& menu, const QPoint& screenPos)
{
    if (const MenuTracker& tracker = TrackerSeam::current())
        return tracker(menu, screenPos);
    QAction* chosen = menu.exec(screenPos);
    return chosen ? chosen->data().toInt() : 0;
}

void ShowPopupMenu(AppState& state)
{
    StopSmoothScroll(state.navigation);
    PageView* view = state.windows.pageView;
    if (view) {
        // A left-button gesture in progress ends here, as if the button had come up.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(0, 0), QPointF(0, 0), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    }
    RunMenu(state, BuildPopupMenu(state, view), QCursor::pos());
}

void RunMenu(AppState& state, std::unique_ptr<QMenu> menu, const QPoint& screenPos)
{
    const int id = TrackMenu(*menu, screenPos);
    const QString book = recentBookChosen(*menu, id);
    menu.reset();
    if (!book.isEmpty())
        OpenRecentBook(state, book);
    else
        RunMenuCommand(state, id);
}
