#include "app/Commands.h"

#include "app/AppState.h"
#include "app/ExtractionProgress.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "app/OpenDialogs.h"
#include "app/PageTurn.h"
#include "app/PopupMenu.h"
#include "app/PresentPage.h"
#include "app/ShutDown.h"
#include "app/WorkDir.h"
#include "book/Preload.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"
#include "skin/SkinGeometry.h"
#include "view/NavigationMath.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"
#include "view/WheelInput.h"

#include <QFileInfo>

namespace {

void repaintPageView(AppState& state)
{
    if (state.windows.pageView)
        state.windows.pageView->update();
}

void repaintMainWindow(AppState& state)
{
    if (state.windows.main)
        state.windows.main->update();
}

void showLoading(AppState& state)
{
    ShowMainText(state, QStringLiteral("loading"));
    // Painted now: the book opens on this thread right after, and an archive can take a while.
    if (state.windows.main)
        state.windows.main->repaint();
    repaintPageView(state);
}

void scrollBy(AppState& state, std::int32_t& offset, int sign)
{
    const Settings& s = state.settings;
    offset = SaturatingAdd(offset, std::int64_t(sign) * KeyboardScrollStep(s.pixforkb, s.mousewheelval));
    repaintPageView(state);
}

// After "openlast" opened its book: a resume that didn't reach a shown page (the book failed to open)
// is dropped, so the next book opened doesn't start at the old page and position.
void dropUnusedResume(AppState& state)
{
    state.book.resumePending = false;
}

// --- the action words --------------------------------------------------------------------------

void actionClose(AppState& state)
{
    ShutDown(state);
}

void actionMinimize(AppState& state)
{
    if (state.windows.main)
        state.windows.main->showMinimized();
}

void actionJump(AppState& state)
{
    BookState& book = state.book;
    if (!book.bookLoaded)
        return;
    const int chosen = AskJumpPage(state);
    if (chosen <= 0 || chosen > book.PageList.count())
        return;
    TurnToPage(state, chosen - 1, false);
}

void actionFlip(AppState& state)
{
    state.view.flipped = !state.view.flipped;
    DecodeShownPageAgain(state);
}

void actionFullscreen(AppState& state)
{
    if (MainWindow* main = state.windows.main) {
        if (state.view.fullscreen)
            main->leaveFullScreen();
        else
            main->enterFullScreen();
    } else {
        state.view.fullscreen = !state.view.fullscreen;
    }
    if (state.view.stretched)
        ScheduleScaledPageRebuild(state);
}

void actionOpenLast(AppState& state)
{
    const QString previous = state.settings.previousbook;
    if (previous.isEmpty())
        return;
    if (!QFileInfo::exists(previous)) {
        ShowMessage(QStringLiteral("Your previous file can't be found"), QStringLiteral("Error"));
        return;
    }
    CancelPreload(state.preload, state.book);
    state.book.resumePending = true;
    OpenBookAt(state, previous);
    dropUnusedResume(state);
}

void actionOpenDir(AppState& state)
{
    const QString chosen = ChooseFolderToOpen(state.windows.main, state.settings.currentdirdir);
    if (chosen.isEmpty())
        return;
    BookState& book = state.book;
    CancelPreload(state.preload, book);
    StopExtraction(state); // nothing may still be writing into WorkDir while it is emptied
    book.BookDir = paths::withTrailingSeparator(chosen).left(paths::kMaxPathChars);
    state.settings.currentdirdir = book.BookDir;
    book.bookLoaded = false;
    book.current.reset();
    EmptyWorkDir(state.paths);
    book.BookPath.clear();
    showLoading(state);
    OpenBookDir(state);
}

void actionOpen(AppState& state)
{
    const QString chosen = ChooseFileToOpen(state.windows.main, state.settings.currentdir);
    if (chosen.isEmpty())
        return;
    BookState& book = state.book;
    CancelPreload(state.preload, book);
    book.bookLoaded = false;
    book.current.reset();
    state.settings.currentdir = CurrentDirAfterOpen(chosen).left(paths::kMaxPathChars);
    showLoading(state);
    OpenBookFile(state, chosen.left(paths::kMaxPathChars));
}

void actionInfo(AppState& state)
{
    ShowBookInfo(state);
}

void actionOption(AppState& state)
{
    ShowPreferences(state);
}

struct Action {
    QStringView word;
    void (*run)(AppState&);
};

// In the order they are tried; a word must match one of them whole.
const Action kActions[] = {
    {u"menu", [](AppState& s) { RunMouseAction(s, 2); }},
    {u"close", actionClose},
    {u"minimize", actionMinimize},
    {u"flip", actionFlip},
    {u"stretch", [](AppState& s) { RunMouseAction(s, 3); }},
    {u"fullscreen", actionFullscreen},
    {u"openlast", actionOpenLast},
    {u"opendir", actionOpenDir},
    {u"open", actionOpen},
    {u"info", actionInfo},
    {u"option", actionOption},
    {u"foward", TurnForward},
    {u"back", TurnBack},
    {u"jump", actionJump},
};

} // namespace

void RunAction(AppState& state, QStringView word)
{
    for (const Action& action : kActions) {
        if (word == action.word) {
            action.run(state);
            return;
        }
    }
}

void RunMouseAction(AppState& state, int code)
{
    StopSmoothScroll(state.navigation);
    switch (code) {
    case 0: RunAction(state, u"foward"); break;
    case 1: RunAction(state, u"back"); break;
    case 2: ShowPopupMenu(state); break;
    case 3: ToggleStretched(state); break;
    case 4: RunAction(state, u"fullscreen"); break;
    default: break;
    }
}

void RunCommand(AppState& state, int commandId)
{
    BookState& book = state.book;
    switch (commandId) {
    case 1: scrollBy(state, book.scrollY, -1); break;
    case 2: scrollBy(state, book.scrollY, +1); break;
    case 3: scrollBy(state, book.scrollX, -1); break;
    case 4: scrollBy(state, book.scrollX, +1); break;
    case 5: RunAction(state, u"foward"); break;
    case 6: RunAction(state, u"back"); break;
    case 7: RunAction(state, u"jump"); break;
    case 8: RunAction(state, u"open"); break;
    case 9: RunAction(state, u"opendir"); break;
    case 10: RunAction(state, u"info"); break;
    case 11: RunAction(state, u"option"); break;
    case 12:
        StopSmoothScroll(state.navigation);
        RunMouseAction(state, 3);
        break;
    case 13: RunAction(state, u"fullscreen"); break;
    case 14: SetZoom(state, ClampedZoom(state.view.zoom, 5)); break;
    case 15: SetZoom(state, ClampedZoom(state.view.zoom, -5)); break;
    case 16: RunAction(state, u"close"); break;
    case 17:
        book.scrollY = 0;
        repaintPageView(state);
        break;
    case 18:
        book.scrollY = book.current.height();
        repaintPageView(state);
        break;
    case 19: RunAction(state, u"flip"); break;
    case 20: RunAction(state, u"openlast"); break;
    case kAboutCommand: ShowAbout(state); break;
    default: break;
    }
}

void SetZoom(AppState& state, int zoom)
{
    state.view.zoom = zoom;
    ZoomUpdate(state);
}

void ToggleStretched(AppState& state)
{
    if (!state.view.stretched) {
        state.view.stretched = true;
        ScheduleScaledPageRebuild(state);
    } else {
        state.view.stretched = false;
    }
    repaintPageView(state);
}

void WheelTurned(AppState& state, int delta)
{
    const Settings& s = state.settings;
    const bool down = delta <= 0;
    switch (WheelBehaviourFor(s.mousewheelact)) {
    case WheelBehaviour::Zoom:
        state.view.zoom = ClampedZoom(state.view.zoom,
                                      delta >= 0 ? std::int64_t(s.mousewheelval) : -std::int64_t(s.mousewheelval));
        ZoomUpdate(state);
        return;
    case WheelBehaviour::TurnPages: RunAction(state, down ? u"foward" : u"back"); return;
    case WheelBehaviour::Scroll:
        if (s.smoothscroll) {
            SmoothScrollWheel(viewRecords(state), down, state.windows.pageView);
            return;
        }
        state.book.scrollY = SaturatingAdd(state.book.scrollY,
                                           down ? std::int64_t(s.mousewheelval) : -std::int64_t(s.mousewheelval));
        if (state.windows.pageView)
            state.windows.pageView->update();
        return;
    }
}

void ZoomUpdate(AppState& state)
{
    SetSliderValue(state.skin, u"zoom", state.view.zoom);
    repaintPageView(state);
    repaintMainWindow(state);
}

void ScheduleScaledPageRebuild(AppState& state)
{
    if (state.windows.pageView)
        state.windows.pageView->startCacheTimer();
    else
        state.view.rerenderPending = true;
}

void ShowAbout(AppState& state)
{
    ShowMessage(
        QStringLiteral("Bullevista " BV_VERSION "\r\n"
                       "Page images by libjpeg-turbo, libpng, giflib, libwebp, libavif and libjxl; archives by minizip "
                       "and libarchive."),
        QStringLiteral("About..."), state.windows.main, MessageIcon::Information);
}
