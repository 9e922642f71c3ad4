// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandTable.h"

#include "common/Settings.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {
// clang-format off
constexpr CommandInfo kCommands[] = {
    // command              word           menu   key slot, name  gesture, name  handler
    {Command::Menu,         u"menu",       0,     {},             {2, 12},       ShowPopupMenu},
    {Command::Close,        u"close",      40015, {15, 30},       {},            QuitProgram},
    {Command::Minimize,     u"minimize",   0,     {},             {},            MinimizeWindow},
    {Command::Flip,         u"flip",       40018, {18, 33},       {},            FlipPage},
    {Command::Stretch,      u"stretch",    40017, {11, 26},       {3, 13},       ToggleStretchedView},
    {Command::Fullscreen,   u"fullscreen", 40007, {12, 27},       {4, 37},       ToggleFullscreen},
    {Command::OpenLast,     u"openlast",   40019, {19, 34},       {},            OpenLastBook},
    {Command::OpenDir,      u"opendir",    40016, {8, 23},        {},            OpenChosenFolder},
    {Command::Open,         u"open",       40002, {7, 22},        {},            OpenChosenFile},
    {Command::Info,         u"info",       40004, {9, 24},        {},            ShowBookInfo},
    {Command::Option,       u"option",     40014, {10, 25},       {},            ShowPreferences},
    {Command::Forward,      u"foward",     40005, {4, 19},        {0, 10},       TurnForward},
    {Command::Back,         u"back",       40006, {5, 20},        {1, 11},       TurnBack},
    {Command::Jump,         u"jump",       40013, {6, 21},        {},            JumpToChosenPage},
    {Command::Overview,     u"overview",   40020, {20, 38},       {},            ShowPageOverview},
    {Command::ScrollUp,     {},            0,     {0, 15},        {},            ScrollUp},
    {Command::ScrollDown,   {},            0,     {1, 16},        {},            ScrollDown},
    {Command::ScrollLeft,   {},            0,     {2, 17},        {},            ScrollLeft},
    {Command::ScrollRight,  {},            0,     {3, 18},        {},            ScrollRight},
    {Command::ZoomIn,       {},            0,     {13, 28},       {},            ZoomIn},
    {Command::ZoomOut,      {},            0,     {14, 29},       {},            ZoomOut},
    {Command::ScrollToTop,  {},            0,     {16, 31},       {},            ScrollToTop},
    {Command::ScrollToEnd,  {},            0,     {17, 32},       {},            ScrollToEnd},
    {Command::Zoom100,      {},            40008, {},             {},            [](AppState& s) { SetZoom(s, 0); }},
    {Command::Zoom125,      {},            40012, {},             {},            [](AppState& s) { SetZoom(s, 25); }},
    {Command::Zoom150,      {},            40009, {},             {},            [](AppState& s) { SetZoom(s, 50); }},
    {Command::Zoom175,      {},            40010, {},             {},            [](AppState& s) { SetZoom(s, 75); }},
    {Command::Zoom200,      {},            40011, {},             {},            [](AppState& s) { SetZoom(s, 100); }},
    {Command::ScrollOrForward, {},         0,     {},             {},            ScrollOrTurnForward},
    {Command::ScrollOrBack, {},            0,     {},             {},            ScrollOrTurnBack},
    {Command::LeaveFullscreen, {},         0,     {},             {},            LeaveFullscreen},
    {Command::RotateLeft,   u"rotl",       40030, {},             {},            RotatePageLeft},
    {Command::RotateRight,  u"rotr",       40031, {},             {},            RotatePageRight},
    {Command::TwoPages,     u"double",     40032, {},             {},            ToggleTwoPages},
    {Command::ShiftPairs,   u"shift",      40033, {},             {},            ShiftPairs},
    {Command::MangaOrder,   u"manga",      40034, {},             {},            ToggleMangaOrder},
    {Command::About,        {},            1019,  {},             {},            ShowAbout},
};
// clang-format on

// What a new row could get wrong is caught here: its place; a word, menu item, gesture or key slot that
// another row has already; a key slot of the settings file, or a gesture number, left without a command.
constexpr bool rowsFollowTheEnum()
{
    if (std::size(kCommands) != kCommandCount)
        return false;
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (kCommands[i].command != Command(i))
            return false;
    return true;
}

template <typename Field> constexpr bool eachOnce(Field field, std::invoke_result_t<Field, const CommandInfo&> none)
{
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        for (std::size_t j = i + 1; j < std::size(kCommands); ++j)
            if (field(kCommands[i]) != none && field(kCommands[i]) == field(kCommands[j]))
                return false;
    return true;
}

// How many rows have the number (0 or more) when they have 0 .. that count - 1; -1 when one is missing.
template <typename Field> constexpr int numbered(Field field)
{
    int rows = 0;
    for (const CommandInfo& c : kCommands)
        rows += field(c) >= 0;
    for (int n = 0; n < rows; ++n)
        if (std::none_of(std::begin(kCommands), std::end(kCommands),
                         [&](const CommandInfo& c) { return field(c) == n; }))
            return -1;
    return rows;
}

constexpr auto kWord = [](const CommandInfo& c) { return c.word; };
constexpr auto kMenuId = [](const CommandInfo& c) { return c.menuId; };
constexpr auto kGestureCode = [](const CommandInfo& c) { return c.gesture.code; };
constexpr auto kKeySlot = [](const CommandInfo& c) { return c.key.slot; };

static_assert(rowsFollowTheEnum(), "one row per command, in the order of the enum");
static_assert(eachOnce(kWord, {}) && eachOnce(kMenuId, 0) && eachOnce(kGestureCode, -1) && eachOnce(kKeySlot, -1));
static_assert(numbered(kKeySlot) == Settings::kKeySlots && numbered(kGestureCode) > 0);

template <typename Matches> std::optional<Command> find(Matches matches)
{
    const auto row = std::find_if(std::begin(kCommands), std::end(kCommands), matches);
    return row != std::end(kCommands) ? std::optional(row->command) : std::nullopt;
}
} // namespace

const CommandInfo& CommandInfoOf(Command command)
{
    return kCommands[std::size_t(command)];
}

std::optional<Command> CommandWithWord(QStringView word)
{
    return find([word](const CommandInfo& c) { return !c.word.empty() && QStringView(c.word) == word; });
}

std::optional<Command> CommandWithMenuId(int menuId)
{
    return find([menuId](const CommandInfo& c) { return c.menuId != 0 && c.menuId == menuId; });
}

std::optional<Command> CommandWithGesture(int code)
{
    return find([code](const CommandInfo& c) { return c.gesture.code >= 0 && c.gesture.code == code; });
}

std::optional<Command> CommandWithKeySlot(int slot)
{
    return find([slot](const CommandInfo& c) { return c.key.slot >= 0 && c.key.slot == slot; });
}

ControlNames CommandControlNames()
{
    ControlNames names;
    for (const CommandInfo& c : kCommands) {
        if (c.key.slot >= 0) {
            names.keySlots.resize(std::max<qsizetype>(names.keySlots.size(), c.key.slot + 1));
            names.keySlots[c.key.slot] = c.key.name;
        }
        if (c.gesture.code >= 0) {
            names.gestures.resize(std::max<qsizetype>(names.gestures.size(), c.gesture.code + 1));
            names.gestures[c.gesture.code] = c.gesture.name;
        }
    }
    return names;
}
