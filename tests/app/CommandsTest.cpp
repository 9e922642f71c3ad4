// SPDX-License-Identifier: GPL-3.0-or-later
// The commands: action words, key slots, gestures and popup items reaching their commands, the page
// commands at the book's edges, the open commands with their dialogs replaced, zoom and the views.

#include "app/Commands.h"
#include "app/KeyRepeat.h"
#include "app/OpenBooks.h"
#include "app/OpenDialogs.h"
#include "app/PopupMenu.h"
#include "support/TestState.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {
class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
        state.settings.norm = false; // pages are compared by their pixels
        state.settings.currentdir = QStringLiteral("/start/files/");
        state.settings.currentdirdir = QStringLiteral("/start/dirs/");
    }
    void TearDown() override { SetCommandDialogs(previousDialogs); }

    // A book of `pages` pages on disk, page i grey level 10 * i, open at `index`.
    void openBook(int pages, int index = 0) { OpenGreyBook(state, dir, pages, QSize(4, 3), 10, index); }
    int shownGrey() const { return state.book.current.isNull() ? -1 : qRed(state.book.current.pixels.pixel(0, 0)); }
    void run(Command command) { RunCommand(state, command); }
    // The popup, with the item of this text (its key column aside) chosen in it.
    void choose(const QString& text)
    {
        MenuTracker previous = SetMenuTracker([text](QMenu& menu, const QPoint&) {
            QList<QMenu*> menus = menu.findChildren<QMenu*>();
            menus << &menu;
            for (const QMenu* in : menus)
                for (const QAction* item : in->actions())
                    if (item->text().section(u'\t', 0, 0) == text.section(u'\t', 0, 0))
                        return item->data().toInt();
            return 0;
        });
        RunAction(state, u"menu");
        SetMenuTracker(std::move(previous));
    }

    AppState state;
    ScratchDir dir;
    MessageRecorder messages;
    // The dialogs the commands open, recorded and answered from here.
    QStringList dialogs;
    QString fileChosen, folderChosen;
    int pageChosen = 0;
    CommandDialogs previousDialogs = SetCommandDialogs({
        [this](QWidget*, const QString& start) { return dialogs << "file:" + start, fileChosen; },
        [this](QWidget*, const QString& start) { return dialogs << "dir:" + start, folderChosen; },
        [this](QWidget*, int, int) { return dialogs << "jump", pageChosen; },
        [this](QWidget*, const BookInfo&) { dialogs << "info"; },
        [this](AppState&) { dialogs << "option"; },
    });
};
} // namespace

TEST_F(Commands, WordsKeysAndMenuItemsReachTheirDialogs)
{
    openBook(2);
    for (const char* word : {"ope", "openx", "open ", "OPEN", "", "zoom", "forward", "opendi"})
        RunAction(state, QString::fromLatin1(word));     // a word matches whole or not at all
    for (int id : {kMenuInfoItemId, 0, 40003, 40030, 5}) // informational items and strangers do nothing
        RunMenuCommand(state, id);
    for (int code : {7, -1})
        RunMouseAction(state, code);
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(u',').toStdString();
    for (QStringView word : {u"jump", u"open", u"opendir", u"info", u"option"})
        RunAction(state, word);
    // the keys, then the popup's items
    for (Command command : {Command::Jump, Command::Open, Command::OpenDir, Command::Info, Command::Option})
        run(command);
    for (const char* item : {"Jump To... \t", "A File...", "A Directory...", "Info... \t", "Preferences...\t"})
        choose(QString::fromLatin1(item));
    const QStringList once = {"jump", "file:/start/files/", "dir:/start/dirs/", "info", "option"};
    EXPECT_EQ(dialogs, once + once + once);

    choose(QStringLiteral("Next Page \t"));
    EXPECT_EQ(state.book.pageIndex, 1);
    run(Command::Close);
    EXPECT_TRUE(state.shutDown);
    choose(QStringLiteral("Quit")); // a second close finds nothing left to do
}

TEST(CommandTable, KeySlotsAndGesturesKeepTheCommandsSettingsFilesMeanByThem)
{
    using C = Command;
    const C bySlot[] = {C::ScrollUp, C::ScrollDown,  C::ScrollLeft,  C::ScrollRight, C::Forward,
                        C::Back,     C::Jump,        C::Open,        C::OpenDir,     C::Info,
                        C::Option,   C::Stretch,     C::Fullscreen,  C::ZoomIn,      C::ZoomOut,
                        C::Close,    C::ScrollToTop, C::ScrollToEnd, C::Flip,        C::OpenLast,
                        C::Overview};
    for (int slot = 0; slot < 21; ++slot)
        EXPECT_EQ(CommandWithKeySlot(slot), bySlot[slot]) << slot;
    const C byGesture[] = {C::Forward, C::Back, C::Menu, C::Stretch, C::Fullscreen};
    for (int code = 0; code < 5; ++code)
        EXPECT_EQ(CommandWithGesture(code), byGesture[code]) << code;
    EXPECT_FALSE(CommandWithKeySlot(21) || CommandWithGesture(5) || CommandWithWord(u"zoom"));
}

TEST_F(Commands, PageCommandsAndJumpStayWithinTheBook)
{
    openBook(4);
    using C = Command;
    const std::tuple<Command, int, int> steps[] = {
        // command, page chosen in the jump dialog, page index after
        {C::Back, 0, 0},    {C::Forward, 0, 1}, {C::Forward, 0, 2}, {C::Forward, 0, 3},
        {C::Forward, 0, 3}, {C::Back, 0, 2},    {C::Jump, 0, 2},    {C::Jump, -3, 2},
        {C::Jump, 5, 2},    {C::Jump, 4, 3},    {C::Jump, 1, 0},
    };
    for (const auto& [command, chosen, index] : steps) {
        pageChosen = chosen;
        run(command);
        EXPECT_EQ(state.book.pageIndex, index) << int(command) << " " << chosen;
        EXPECT_EQ(shownGrey(), 10 * index);
    }
    state.settings.preloadnextpage = true;
    state.book.pageIndex = 3;
    run(Command::Forward);
    EXPECT_FALSE(state.preload.timer.isActive()) << "nothing happened, so nothing is armed";
    state.book.bookLoaded = false;
    for (Command command : {Command::Forward, Command::Back, Command::Jump})
        run(command);
    EXPECT_EQ(state.book.pageIndex, 3) << "no book, no page commands";
    EXPECT_EQ(dialogs.size(), 5);
}

// Quarter turns from the key, the word and the popup add up with the flip; turning pages keeps them,
// the next book starts upright.
TEST_F(Commands, RotationTurnsThePagesOfTheOpenBookOnly)
{
    QImage page(2, 1, QImage::Format_RGB32); // red on the left, blue on the right
    page.fill(Qt::blue);
    page.setPixel(0, 0, qRgb(255, 0, 0));
    page.save(dir.file("a.png"));
    page.save(dir.file("b.png"));
    OpenPagesIn(state, dir, {"a.png", "b.png"});
    run(Command::RotateRight);
    EXPECT_EQ(state.book.current.pixels.size(), QSize(1, 2));
    EXPECT_EQ(shownGrey(), 255) << "turned clockwise, the red end is on top";
    RunAction(state, u"rotl");
    choose(QStringLiteral("Rotate Left"));
    EXPECT_EQ(std::pair(state.view.quarterTurns, shownGrey()), std::pair(3, 0)) << "anticlockwise: blue on top";
    run(Command::Flip);
    EXPECT_EQ(shownGrey(), 255);
    run(Command::Forward);
    EXPECT_EQ(std::pair(state.book.pageIndex, state.book.current.pixels.size()), std::pair(1, QSize(1, 2)));
    run(Command::Flip);
    state.settings.currentdir = dir.path();
    state.book.BookDir = dir.path();
    OpenBookDir(state);
    EXPECT_EQ(std::pair(state.view.quarterTurns, state.book.current.pixels.size()), std::pair(0, QSize(2, 1)));
}

TEST_F(Commands, FlipTurnsTheSamePageAndTwiceTurnsItBack)
{
    QImage page(2, 1, QImage::Format_RGB32); // red on the left, blue on the right
    page.fill(Qt::blue);
    page.setPixel(0, 0, qRgb(255, 0, 0));
    page.save(dir.file("a.png"));
    OpenPagesIn(state, dir, {"a.png"});
    for (bool flipped : {true, false}) {
        run(Command::Flip);
        EXPECT_EQ(std::pair(state.view.flipped, state.book.pageIndex), std::pair(flipped, 0));
        EXPECT_EQ(shownGrey(), flipped ? 0 : 255) << "the left column is red unless turned by 180 degrees";
    }
}

TEST_F(Commands, ScrollAndZoomKeysAndThePresets)
{
    for (const auto& [pixforkb, wheelStep, step] : {std::tuple{false, 50, 5}, {true, -3, -3}}) {
        state.settings.pixforkb = pixforkb;
        state.settings.mousewheelval = wheelStep;
        state.book.scrollX = state.book.scrollY = 1000;
        for (Command command : {Command::ScrollUp, Command::ScrollDown, Command::ScrollDown, Command::ScrollLeft,
                                Command::ScrollRight, Command::ScrollRight})
            run(command);
        EXPECT_EQ(QPoint(state.book.scrollX, state.book.scrollY), QPoint(1000 + step, 1000 + step));
    }
    state.book.current.pixels = QImage(10, 777, QImage::Format_RGB32);
    run(Command::ScrollToEnd);
    EXPECT_EQ(state.book.scrollY, 777);
    run(Command::ScrollToTop);
    EXPECT_EQ(state.book.scrollY, 0);

    const auto zoomAfter = [&](int from, const std::function<void()>& change) {
        state.view.zoom = from;
        change();
        return state.view.zoom;
    };
    EXPECT_EQ(zoomAfter(97, [&] { run(Command::ZoomIn); }), 100);
    EXPECT_EQ(zoomAfter(3, [&] { run(Command::ZoomOut); }), 0);
    const std::pair<const char*, int> presets[] = {
        {"100%", 0}, {"125%", 25}, {"150%", 50}, {"175%", 75}, {"200%", 100}};
    for (const auto& [item, zoom] : presets)
        EXPECT_EQ(zoomAfter(7, [&] { choose(QString::fromLatin1(item)); }), zoom) << item;
}

TEST_F(Commands, TurningTheStretchedViewOnOrFullscreenWhileStretchedRebuildsTheScaledPage)
{
    // The popup item, the key, the gesture (left + right by default) and the word.
    const std::function<void()> ways[] = {
        [&] { choose(QStringLiteral("Stretched View")); }, [&] { run(Command::Stretch); },
        [&] { RunMouseAction(state, state.settings.leftrightm); }, [&] { RunAction(state, u"stretch"); }};
    for (const auto& turn : ways) {
        turn();
        EXPECT_TRUE(state.view.stretched && state.view.rerenderPending);
        state.view.rerenderPending = false;
        turn();
        EXPECT_FALSE(state.view.stretched || state.view.rerenderPending) << "turning it off rebuilds nothing";
    }
    run(Command::Fullscreen);
    EXPECT_TRUE(state.view.fullscreen && !state.view.rerenderPending);
    state.view.stretched = true;
    choose(QStringLiteral("Toggle Fullscreen"));
    EXPECT_TRUE(!state.view.fullscreen && state.view.rerenderPending);
}

// Without a view to scroll, Space turns at once; going back lands at the previous page's end. A zoom
// change leaves the fitted view so it shows; Esc leaves full screen only.
TEST_F(Commands, SpaceTurnsAtThePagesEndAndZoomLeavesTheFittedView)
{
    openBook(3, 1);
    run(Command::ScrollOrForward);
    EXPECT_EQ(state.book.pageIndex, 2);
    run(Command::ScrollOrBack);
    EXPECT_EQ(std::pair(state.book.pageIndex, state.book.scrollY), std::pair(1, 3));

    for (Command zoom : {Command::ZoomIn, Command::ZoomOut, Command::Zoom150}) {
        state.view.stretched = true;
        state.view.zoom = 50;
        run(zoom);
        EXPECT_FALSE(state.view.stretched) << int(zoom);
    }
    run(Command::Stretch);
    EXPECT_TRUE(state.view.stretched) << "W brings the fitted view back";

    run(Command::LeaveFullscreen);
    EXPECT_FALSE(state.view.fullscreen);
    run(Command::Fullscreen);
    run(Command::LeaveFullscreen);
    EXPECT_FALSE(state.view.fullscreen);
}

TEST_F(Commands, OpenCommandsRememberWhereTheyWereAndCancelOrAVanishedBookChangesNothing)
{
    openBook(2);
    for (QStringView word : {u"open", u"opendir", u"openlast"}) // cancelled, or none stored
        RunAction(state, word);
    state.settings.previousbook = dir.file("gone.cbz");
    run(Command::OpenLast);
    EXPECT_EQ(messages.texts(), QStringList{"Your previous file can't be found"});
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.settings.currentdir + state.settings.currentdirdir, "/start/files//start/dirs/");

    fileChosen = QStringLiteral("/books/vol1/p001.jpg"); // gone by now: named, and the book stays
    RunAction(state, u"open");
    EXPECT_EQ(messages.texts().last(), "\"/books/vol1/p001.jpg\" does not exist");
    EXPECT_TRUE(state.book.bookLoaded);
    ScratchDir books;
    fileChosen = books.write("vol1/p001.jpg", "no image");
    RunAction(state, u"open");
    EXPECT_EQ(state.settings.currentdir, books.path());
    EXPECT_EQ(state.book.BookDir, books.file("vol1/")) << "the old book is replaced";
    folderChosen = dir.path().chopped(1);
    RunAction(state, u"opendir");
    EXPECT_EQ(QStringList({state.book.BookDir, state.settings.currentdirdir}), QStringList(2, dir.path()))
        << "a folder keeps its separator";
    ScratchDir empty;
    state.settings.previousbook = empty.path().chopped(1);
    choose(QStringLiteral("Book from last session"));
    EXPECT_EQ(state.book.BookDir, empty.path());
    EXPECT_FALSE(state.book.resumePending) << "a resume that reached no page would carry over to the next book";
}

TEST(OpenDialogs, WhereTheNextOpenStartsAndTheFilterPatterns)
{
    // Only lower-case image endings count; the folder of an image is the book, so its parent is used.
    const std::pair<const char*, const char*> cases[] = {
        {"/books/vol1/p001.jpg", "/books/"},
        {"/books/vol1/P001.JPG", "/books/vol1/"},
        {"/books/v/p.jpeg", "/books/"},
        {"/books/vol1/p.rar", "/books/vol1/"},
        {"/p.jpg", "/"},
        {"vol1.cbz", "vol1.cbz"},
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(CurrentDirAfterOpen(QString::fromLatin1(chosen)), QString::fromLatin1(expected)) << chosen;
    // The dialog's filters: the name as written, then the patterns for the dialog; "*.*" means every file.
    EXPECT_EQ(QStringList({OpenFileNameFilters().at(2), OpenFileNameFilters().at(5), OpenFileNameFilters().at(6)}),
              QStringList({"Cbz and Cbr files (*.cbz;*.cbr) (*.cbz *.cbr)", "PDF files (*.pdf) (*.pdf)",
                           "All files (*.*) (*)"}));
}

TEST(KeyRepeatThrottle, DropsOnlyRepeatsMadeWhileTheLastCommandRan)
{
    KeyRepeatThrottle throttle;
    throttle.ran(1000, 100); // a page turn that took 100 ms
    EXPECT_TRUE(throttle.drop(1040, true)) << "repeated while the turn ran";
    EXPECT_FALSE(throttle.drop(1040, false) || throttle.drop(1100, true)) << "a fresh press, or a repeat after it";
    throttle.ran(1100, -5);
    EXPECT_FALSE(throttle.drop(1100, true)) << "a clock step back is no time spent";
}

// Two pages: the cover alone, then pairs, a wide page alone; turns go by the pages shown, "shift" moves
// the pairs, manga order puts the first page on the right, flip turns the pair whole, the counter follows.
TEST_F(Commands, TwoPagesTurnByThePairsShown)
{
    QStringList names = WriteGreyPages(dir, 6, QSize(3, 4), 10);
    QImage wide(8, 4, QImage::Format_RGB32);
    wide.fill(QColor(40, 40, 40));
    wide.save(dir.file(names[4]));
    OpenPagesIn(state, dir, names);
    state.book.BookPath = dir.path();
    const auto shown = [this] {
        return std::tuple(state.book.pageIndex, state.view.pagesShown, state.book.current.width());
    };
    RunAction(state, u"double");
    EXPECT_EQ(shown(), std::tuple(0, 1, 3)) << "the cover alone";
    run(Command::Forward);
    EXPECT_EQ(shown(), std::tuple(1, 2, 6));
    EXPECT_EQ(std::pair(shownGrey(), qRed(state.book.current.pixels.pixel(5, 0))), std::pair(10, 20));
    EXPECT_TRUE(state.windows.main == nullptr || state.windows.main->windowTitle().startsWith("PAGE : 2-3/6"));
    run(Command::MangaOrder);
    EXPECT_EQ(std::pair(shownGrey(), qRed(state.book.current.pixels.pixel(5, 0))), std::pair(20, 10));
    run(Command::Flip);
    EXPECT_EQ(std::pair(shownGrey(), qRed(state.book.current.pixels.pixel(5, 3))), std::pair(10, 20))
        << "a flipped pair trades its sides";
    run(Command::Flip);
    run(Command::Forward);
    EXPECT_EQ(shown(), std::tuple(3, 1, 3)) << "page 4 alone: page 5 is wide";
    run(Command::Forward);
    EXPECT_EQ(shown(), std::tuple(4, 1, 8));
    run(Command::Forward);
    EXPECT_EQ(shown(), std::tuple(5, 1, 3));
    run(Command::Back);
    run(Command::Back);
    run(Command::Back);
    EXPECT_EQ(shown(), std::tuple(1, 2, 6));
    run(Command::ShiftPairs);
    EXPECT_EQ(shown(), std::tuple(1, 1, 3)) << "shifted: page 2 alone too";
    run(Command::Forward);
    EXPECT_EQ(shown(), std::tuple(2, 2, 6));
    run(Command::TwoPages);
    EXPECT_EQ(shown(), std::tuple(2, 1, 3));
    EXPECT_EQ(std::pair(state.settings.doublepage, state.settings.mangaorder), std::pair(false, true));
}
