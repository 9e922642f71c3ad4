// The commands: action words matched whole and in order, every key and menu command id, the page
// commands at the book's edges, the open commands with their dialogs replaced, zoom and the views.

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/KeyRepeat.h"
#include "app/OpenDialogs.h"
#include "app/PopupMenu.h"
#include "support/TestState.h"
#include "support/TestSupport.h"

#include <QColor>
#include <QImage>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

// Records which dialogs the commands open and answers them.
struct DialogScript {
    QStringList calls;
    QString file;
    QString directory;
    int jumpTo = 0;
    CommandDialogs previous;

    DialogScript()
    {
        CommandDialogs d;
        d.chooseFile = [this](QWidget*, const QString& start) {
            calls << QStringLiteral("file:") + start;
            return file;
        };
        d.chooseDirectory = [this](QWidget*, const QString& start) {
            calls << QStringLiteral("dir:") + start;
            return directory;
        };
        d.jumpPage = [this](QWidget*) {
            calls << QStringLiteral("jump");
            return jumpTo;
        };
        d.showInfo = [this](QWidget*) { calls << QStringLiteral("info"); };
        d.showPreferences = [this](QWidget*) { calls << QStringLiteral("option"); };
        previous = SetCommandDialogs(d);
    }
    ~DialogScript() { SetCommandDialogs(previous); }
};

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
    // A book of `pages` pages on disk, page i grey level 10 * i, open at `index`.
    void openBook(int pages, int index = 0) { OpenGreyBook(state, dir, pages, QSize(4, 3), 10, index); }
    int shownGrey() const { return state.book.current.isNull() ? -1 : qRed(state.book.current.pixels.pixel(0, 0)); }

    AppState state;
    ScratchDir dir;
    DialogScript dialogs;
    MessageRecorder messages;
};

} // namespace

TEST_F(Commands, ActionWordsMatchOnlyWhole)
{
    for (const char* word : {"ope", "openx", "open ", "OPEN", "", "zoom", "forward", "opendi"})
        RunAction(state, QString::fromLatin1(word));
    EXPECT_TRUE(dialogs.calls.isEmpty()) << dialogs.calls.join(u',').toStdString();
    RunAction(state, u"open");
    RunAction(state, u"opendir");
    RunAction(state, u"info");
    RunAction(state, u"option");
    EXPECT_EQ(dialogs.calls, QStringList({"file:/start/files/", "dir:/start/dirs/", "info", "option"}));
}

TEST_F(Commands, KeyCommandsReachEveryDialogAction)
{
    openBook(2);
    for (int id : {7, 8, 9, 10, 11})
        RunCommand(state, id);
    EXPECT_EQ(dialogs.calls, QStringList({"jump", "file:/start/files/", "dir:/start/dirs/", "info", "option"}));
}

TEST_F(Commands, MenuCommandsReachTheirActions)
{
    openBook(3, 1);
    for (int id : {kMenuInfo, kMenuPreferences, kMenuJump, kMenuOpenFile, kMenuOpenDirectory})
        RunMenuCommand(state, id);
    EXPECT_EQ(dialogs.calls, QStringList({"info", "option", "jump", "file:/start/files/", "dir:/start/dirs/"}));
    RunMenuCommand(state, kMenuNextPage);
    EXPECT_EQ(state.book.pageIndex, 2);
    RunMenuCommand(state, kMenuPreviousPage);
    EXPECT_EQ(state.book.pageIndex, 1);
    for (int id : {kMenuInfoItemId, 0, 40003, 40020, 5}) // informational items and strangers do nothing
        RunMenuCommand(state, id);
    EXPECT_EQ(state.book.pageIndex, 1);
    EXPECT_EQ(dialogs.calls.size(), 5);
}

TEST_F(Commands, PageCommandsStopAtTheBooksEdges)
{
    openBook(3);
    RunCommand(state, 6); // back on the first page
    EXPECT_EQ(state.book.pageIndex, 0);
    RunCommand(state, 5);
    RunCommand(state, 5);
    EXPECT_EQ(shownGrey(), 20);
    RunCommand(state, 5); // forward on the last page
    EXPECT_EQ(state.book.pageIndex, 2);
    RunCommand(state, 6);
    EXPECT_EQ(shownGrey(), 10);
    state.settings.preloadnextpage = true;
    state.book.pageIndex = 2;
    RunAction(state, u"foward");
    EXPECT_FALSE(state.preload.timer.isActive()) << "nothing happened, so nothing is armed";

    state.book.bookLoaded = false;
    state.book.pageIndex = 1;
    RunAction(state, u"foward");
    RunAction(state, u"back");
    dialogs.jumpTo = 1;
    RunAction(state, u"jump");
    EXPECT_EQ(state.book.pageIndex, 1) << "no book, no page commands";
    EXPECT_FALSE(dialogs.calls.contains("jump"));
}

TEST_F(Commands, JumpTakesOnlyPagesOfTheBook)
{
    openBook(4, 1);
    const struct {
        int chosen;
        int expectedIndex;
    } cases[] = {{0, 1}, {-3, 1}, {5, 1}, {4, 3}, {1, 0}};
    for (const auto& c : cases) {
        dialogs.jumpTo = c.chosen;
        RunAction(state, u"jump");
        EXPECT_EQ(state.book.pageIndex, c.expectedIndex) << c.chosen;
    }
    EXPECT_EQ(shownGrey(), 0);
}

TEST_F(Commands, FlipTwiceReturnsToTheUnflippedPage)
{
    QImage page(2, 1, QImage::Format_RGB32);
    page.setPixel(0, 0, qRgb(255, 0, 0));
    page.setPixel(1, 0, qRgb(0, 0, 255));
    page.save(dir.file("a.png"));
    page.save(dir.file("b.png"));
    SetPages(state.book, {"a.png", "b.png"});
    state.book.BookDir = dir.path();
    state.book.bookLoaded = true;
    state.book.pageIndex = 1;
    RunAction(state, u"flip");
    EXPECT_TRUE(state.view.flipped);
    EXPECT_EQ(state.book.pageIndex, 1);
    EXPECT_EQ(state.book.current.pixels.pixel(0, 0), qRgb(0, 0, 255)) << "turned by 180 degrees";
    RunCommand(state, 19);
    EXPECT_FALSE(state.view.flipped);
    EXPECT_EQ(state.book.pageIndex, 1);
    EXPECT_EQ(state.book.current.pixels.pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(Commands, FlipWithoutABookOnlyTogglesAndLowersTheIndex)
{
    RunAction(state, u"flip");
    EXPECT_TRUE(state.view.flipped);
    EXPECT_EQ(state.book.pageIndex, -1);
}

TEST_F(Commands, KeyScrollingStepsByFiveOrTheWheelStep)
{
    struct Case {
        bool pixforkb;
        int wheel;
        int step;
    };
    for (const Case& c : {Case{false, 50, 5}, Case{true, 50, 50}, Case{true, 0, 0}, Case{true, -3, -3},
                          Case{true, 999, 999}}) {
        state.settings.pixforkb = c.pixforkb;
        state.settings.mousewheelval = c.wheel;
        state.book.scrollX = state.book.scrollY = 1000;
        RunCommand(state, 1);
        EXPECT_EQ(state.book.scrollY, 1000 - c.step);
        RunCommand(state, 2);
        RunCommand(state, 2);
        EXPECT_EQ(state.book.scrollY, 1000 + c.step);
        RunCommand(state, 3);
        EXPECT_EQ(state.book.scrollX, 1000 - c.step);
        RunCommand(state, 4);
        RunCommand(state, 4);
        EXPECT_EQ(state.book.scrollX, 1000 + c.step);
    }
    openBook(1);
    state.book.current.pixels = QImage(10, 777, QImage::Format_RGB32);
    RunCommand(state, 18);
    EXPECT_EQ(state.book.scrollY, 777);
    RunCommand(state, 17);
    EXPECT_EQ(state.book.scrollY, 0);
}

TEST_F(Commands, ZoomKeysAndPresetsStayWithinRange)
{
    state.view.zoom = 97;
    RunCommand(state, 14);
    EXPECT_EQ(state.view.zoom, 100);
    RunCommand(state, 14);
    EXPECT_EQ(state.view.zoom, 100);
    state.view.zoom = 3;
    RunCommand(state, 15);
    EXPECT_EQ(state.view.zoom, 0);
    const struct {
        int id, zoom;
    } presets[] = {{40008, 0}, {40012, 25}, {40009, 50}, {40010, 75}, {40011, 100}};
    for (const auto& p : presets) {
        RunMenuCommand(state, p.id);
        EXPECT_EQ(state.view.zoom, p.zoom) << p.id;
    }
}

TEST_F(Commands, EveryWayOfTurningTheStretchedViewOnSchedulesARebuild)
{
    const std::vector<std::function<void()>> ways = {
        [&] { RunMenuCommand(state, kMenuStretched); },
        [&] { RunCommand(state, 12); },
        [&] { RunMouseAction(state, 3); },
        [&] { RunAction(state, u"stretch"); },
    };
    for (const auto& turn : ways) {
        state.view.stretched = false;
        state.view.rerenderPending = false;
        turn();
        EXPECT_TRUE(state.view.stretched);
        EXPECT_TRUE(state.view.rerenderPending);
        state.view.rerenderPending = false;
        turn();
        EXPECT_FALSE(state.view.stretched);
        EXPECT_FALSE(state.view.rerenderPending) << "turning it off rebuilds nothing";
    }
}

TEST_F(Commands, FullscreenTogglesAndRebuildsAStretchedPage)
{
    RunCommand(state, 13);
    EXPECT_TRUE(state.view.fullscreen);
    EXPECT_FALSE(state.view.rerenderPending);
    state.view.stretched = true;
    RunMenuCommand(state, kMenuFullscreen);
    EXPECT_FALSE(state.view.fullscreen);
    EXPECT_TRUE(state.view.rerenderPending);
}

TEST(CurrentDir, IsCutAfterTheOpenedFilesFolderOrItsParentForImages)
{
    const struct {
        const char* chosen;
        const char* expected;
    } cases[] = {
        {"/books/vol1/p001.jpg", "/books/"},
        {"/books/vol1.cbz", "/books/"},
        {"/books/vol1/P001.JPG", "/books/vol1/"}, // only lower-case endings count as images
        {"/books/vol1/p.jpeg", "/books/"},
        {"/books/vol1/p.png", "/books/"},
        {"/books/vol1/p.gif", "/books/"},
        {"/books/vol1/p.bmp", "/books/"},
        {"/books/vol1/p.rar", "/books/vol1/"},
        {"/p.jpg", "/"},
        {"/vol1.bdz", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrentDirAfterOpen(QString::fromLatin1(c.chosen)), QString::fromLatin1(c.expected)) << c.chosen;
}

TEST(OpenFileFilters, AreTheSixInOrder)
{
    const std::vector<OpenFileFilter>& filters = OpenFileFilters();
    ASSERT_EQ(filters.size(), 6u);
    const std::pair<const char*, const char*> expected[] = {
        {"All supported files", "*.bdz;*.cbz;*.cbr;*.zip;*.rar;*.jpg;*.jpeg;*.png;*.bmp;*.gif"},
        {"BDz files (*.bdz)", "*.bdz"},
        {"Cbz and Cbr files (*.cbz;*.cbr)", "*.cbz;*.cbr"},
        {"Zip files (*.zip)", "*.zip"},
        {"Rar files (*.rar)", "*.rar"},
        {"All files (*.*)", "*.*"},
    };
    for (std::size_t i = 0; i < filters.size(); ++i) {
        EXPECT_EQ(filters[i].name, QString::fromLatin1(expected[i].first));
        EXPECT_EQ(filters[i].patterns, QString::fromLatin1(expected[i].second));
    }
    const QStringList qt = OpenFileNameFilters();
    EXPECT_EQ(qt[2], QStringLiteral("Cbz and Cbr files (*.cbz;*.cbr) (*.cbz *.cbr)"));
    EXPECT_EQ(qt[5], QStringLiteral("All files (*.*) (*)"));
}

TEST_F(Commands, OpenSetsCurrentDirAndCancelChangesNothing)
{
    openBook(2);
    RunAction(state, u"open"); // cancelled
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.settings.currentdir, QStringLiteral("/start/files/"));
    dialogs.file = QStringLiteral("/books/vol1/p001.jpg");
    RunAction(state, u"open");
    EXPECT_EQ(state.settings.currentdir, QStringLiteral("/books/"));
    EXPECT_FALSE(state.book.bookLoaded);
    EXPECT_TRUE(state.book.current.isNull());
}

TEST_F(Commands, OpenDirRemembersTheFolderWithItsSeparator)
{
    RunAction(state, u"opendir"); // cancelled
    EXPECT_EQ(state.settings.currentdirdir, QStringLiteral("/start/dirs/"));
    dialogs.directory = dir.path().chopped(1);
    RunAction(state, u"opendir");
    EXPECT_EQ(state.book.BookDir, dir.path());
    EXPECT_EQ(state.settings.currentdirdir, dir.path());
    EXPECT_TRUE(state.book.BookPath.isEmpty());
}

TEST_F(Commands, OpenLastReportsAVanishedBookAndIgnoresAnEmptyOne)
{
    RunAction(state, u"openlast");
    EXPECT_TRUE(messages.messages().empty());
    state.settings.previousbook = dir.file("gone.cbz");
    RunCommand(state, 20);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Your previous file can't be found"));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_FALSE(state.book.resumePending);

    state.settings.previousbook = dir.path().chopped(1); // a folder, written without its separator
    RunMenuCommand(state, kMenuOpenLast);
    EXPECT_EQ(state.book.BookDir, dir.path());
    EXPECT_TRUE(state.book.BookPath.isEmpty());
    EXPECT_FALSE(state.book.resumePending) << "a resume that didn't reach a page is not kept for the next book";
}

TEST_F(Commands, AboutShowsTheVersionAndCredits)
{
    RunCommand(state, kAboutCommand);
    ASSERT_EQ(messages.messages().size(), 1u);
    const ShownMessage& m = messages.messages()[0];
    EXPECT_EQ(m.caption, QStringLiteral("About..."));
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("Bullevista 1.26\r\n")));
    EXPECT_EQ(m.text.count(u'\n'), 1);
}

TEST_F(Commands, CloseShutsDownOnce)
{
    RunCommand(state, 16);
    EXPECT_TRUE(state.shutDown);
    RunMenuCommand(state, kMenuQuit);
    EXPECT_TRUE(state.shutDown);
}

TEST_F(Commands, TheMenuActionShowsThePopupAndRunsTheChoice)
{
    openBook(3);
    QStringList shown;
    MenuTracker previous = SetMenuTracker([&](QMenu& menu, const QPoint&) {
        shown << menu.actions().at(0)->text();
        return int(kMenuNextPage);
    });
    RunAction(state, u"menu");
    SetMenuTracker(std::move(previous));
    EXPECT_EQ(shown, QStringList({"Toggle Fullscreen"}));
    EXPECT_EQ(state.book.pageIndex, 1);
}

TEST(KeyRepeatThrottle, DropsOnlyRepeatsMadeWhileTheLastCommandRan)
{
    KeyRepeatThrottle throttle;
    EXPECT_FALSE(throttle.drop(1000, true));
    throttle.ran(1000, 100); // a page turn that took 100 ms
    EXPECT_TRUE(throttle.drop(1040, true)) << "repeated while the turn ran";
    EXPECT_FALSE(throttle.drop(1040, false)) << "a fresh press is never dropped";
    EXPECT_FALSE(throttle.drop(1100, true));
    throttle.ran(1100, 0);
    EXPECT_FALSE(throttle.drop(1100, true));
}
