#include "app/PopupMenu.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "common/Paths.h"
#include "common/Seam.h"
#include "common/StringTable.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <algorithm>
#include <QMouseEvent>

namespace {
constexpr const char* kContext = "PopupMenu";
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
        {E::Separator},
        {E::Item, QT_TRANSLATE_NOOP("PopupMenu", "Quit"), Command::Close},
    };
    entries.insert(entries.end(), rest.begin(), rest.end());
    return entries;
}

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QAction* addItem(QMenu& menu, const QString& text, int id)
{
    QAction* action = menu.addAction(text);
    action->setData(id);
    action->setObjectName(QString::number(id));
    return action;
}

// Steps 2 and 3 of preparing the menu: the previous-run items, or "Book from last session" disabled.
void prepareOpenMenu(QMenu& open, const AppState& state)
{
    const Settings& s = state.settings;
    if (!s.previousbook.isEmpty()) {
        addItem(open, PreviousBookLabel(s.previousbook), kMenuInfoItemId)->setEnabled(false);
        const QString page = StringText(36).left(99) + QString::number(qint64(s.previouspage) + 1);
        addItem(open, page, kMenuInfoItemId)->setEnabled(false);
    } else {
        open.actions().at(3)->setEnabled(false);
    }
}

void addEntries(QMenu& menu, std::vector<MenuEntry>::const_iterator& it, std::vector<MenuEntry>::const_iterator end)
{
    for (; it != end; ++it) {
        switch (it->kind) {
        case E::Item: addItem(menu, translated(it->text), CommandInfoOf(it->command).menuId); break;
        case E::Separator: menu.addSeparator(); break;
        case E::Submenu: {
            QMenu* sub = menu.addMenu(translated(it->text));
            ++it;
            addEntries(*sub, it, end);
            break;
        }
        case E::EndSubmenu: return;
        }
    }
}

using TrackerSeam = Seam<MenuTracker, struct TrackerTag>;
} // namespace

const std::vector<MenuEntry>& PopupMenuEntries()
{
    static const std::vector<MenuEntry> entries = makePopupEntries();
    return entries;
}

QString PreviousBookLabel(const QString& previousbook)
{
    // Search from the character before the last, so a folder's own trailing separator is kept.
    if (previousbook.size() < 2)
        return previousbook;
    const int cut = previousbook.lastIndexOf(paths::kSeparator, previousbook.size() - 2);
    return previousbook.mid(cut + 1);
}

std::unique_ptr<QMenu> BuildPopupMenu(const AppState& state, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    auto it = PopupMenuEntries().cbegin();
    addEntries(*menu, it, PopupMenuEntries().cend());
    const QList<QAction*> items = menu->actions();
    // The "Open" submenu is the first one.
    const auto open = std::find_if(items.begin(), items.end(), [](const QAction* item) { return item->menu(); });
    prepareOpenMenu(*(*open)->menu(), state);
    items.at(2)->setCheckable(true);
    items.at(2)->setChecked(state.view.stretched);
    items.at(3)->setCheckable(true);
    items.at(3)->setChecked(state.view.flipped);
    return menu;
}

std::unique_ptr<QMenu> BuildOpenMenu(const AppState& state, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    auto it = kOpenEntries.cbegin();
    addEntries(*menu, it, kOpenEntries.cend());
    prepareOpenMenu(*menu, state);
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
    std::unique_ptr<QMenu> menu = BuildPopupMenu(state, view);
    const int id = TrackMenu(*menu, QCursor::pos());
    menu.reset();
    RunMenuCommand(state, id);
}
