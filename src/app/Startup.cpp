// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/AppHooks.h"
#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BookHistory.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/MessageBox.h"
#include "app/OpenBooks.h"
#include "app/PresentPage.h"
#include "app/RecentShelf.h"
#include "app/ProductTitle.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/ShutDown.h"
#include "app/ViewPlacement.h"
#include "app/WorkDir.h"
#include "common/platform/QuitSignals.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinLoad.h"
#include "view/PageView.h"
#include "view/ShelfView.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QStandardPaths>
#include <random>

namespace {
// The history keeps this many books, those read last; the others and their thumbnails go.
constexpr int kBooksRemembered = 1000;

std::mt19937 seededRandom()
{
    const QPoint pointer = QCursor::pos();
    std::random_device entropy;
    std::seed_seq seed{unsigned(pointer.x() + pointer.y()), entropy(), entropy()};
    return std::mt19937(seed);
}

void openCommandLineBook(AppState& state, const QStringList& arguments)
{
    const QString path = CommandLineBookPath(arguments);
    if (!path.isEmpty())
        OpenBookAt(state, path);
}

// A placement the settings file gives that would put the window nowhere useful is mended here, so the
// mended one is also what gets saved.
void makePlacementUsable(Settings& s)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect usable = UsablePlacement(MainWindowRect(s.wndxpos, s.wndypos, s.wndwidth, s.wndheight), screens,
                                         primary->availableGeometry());
    s.wndxpos = usable.x();
    s.wndypos = usable.y();
    s.wndwidth = usable.width();
    s.wndheight = usable.height();
}
} // namespace

int RunBullevista(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bullevista"));
    QGuiApplication::setDesktopFileName(QStringLiteral("bullevista")); // the window takes the entry's icon
    QApplication::setQuitOnLastWindowClosed(false);                    // only ShutDown ends the run
    SetMessageSink(ShowMessageBox);

    AppState state;
    const AppHooks hooks(state);

    std::mt19937 random = seededRandom();
    const QString exePath = QCoreApplication::applicationFilePath();
    const QString exeDir = ExeDirOf(exePath);
    const QString workParent = ResolveAppPaths(state.paths, exePath,
                                               IsWritableDirectory(exeDir) && !IsInstalledCopy(exeDir),
                                               QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    RemoveStaleWorkDirs(workParent); // before ours is made: a crashed run's pages go, a running copy's stay
    CreateWorkDir(state.paths, workParent, random);
    ResolveUserDataPaths(state.paths, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                         QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));

    state.settings = ReadSettings(SettingsReader(SettingsFileToRead(state.paths.settingsFile, state.paths.ExeDir)),
                                  state.paths.ExeDir);
    makePlacementUsable(state.settings);
    // From here a session ending is an orderly end, even while a message box of the start-up is up.
    InstallQuitSignals([&state] { ShutDown(state); });

    // The language first, so that everything shown from here on speaks it; a first start asks for it
    // before any window is up.
    const QStringList langRoots = LangRoots(state.paths.ExeDir);
    if (state.settings.langfile == u"none")
        RunLanguageSelection(state.settings.langfile, langRoots, nullptr);
    if (state.shutDown)
        return 0;
    ApplyLanguage(state.language, state.settings.langfile, langRoots);

    Messages skinMessages;
    const bool skinLoaded = LoadSkinOrDefault(state.skin, state.skinBitmaps, state.settings.skinname,
                                              SkinRoots(state.paths.ExeDir), skinMessages);
    ShowMessages(skinMessages);
    if (!skinLoaded) {
        // Without its default skin the program can't show itself. Nothing was changed yet: the settings
        // file stays as it was, and the scratch folder, still empty, goes.
        RemoveWorkDir(state.paths);
        return 1;
    }
    if (state.shutDown)
        return 0;
    ShowMainText(state, ProductTitle());
    SetSliderValue(state.skin, u"zoom", state.view.zoom);

    // The window is up before the book opens, so a book chooser or a message has it behind them.
    MainWindow window(state);
    state.windows = {&window, window.pageView(), window.shelfView()};
    ConnectRecentShelf(state);
    window.show();
    state.accelTable = BuildAccelTable(state.settings);
    if (state.settings.startfullscreen > 0)
        window.enterFullScreen();

    // The book opens from the event loop, so the window is on screen before anything is extracted; a
    // book chooser or a message still has it behind them.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QMetaObject::invokeMethod(
        &window,
        [&state, arguments] {
            // The history opens first, so the command-line book resumes too; a message about it has
            // the window to stand on.
            OpenHistory(state);
            PruneHistory(state, kBooksRemembered);
            openCommandLineBook(state, arguments);
            UpdateRecentShelf(state);
        },
        Qt::QueuedConnection);
    const int code = QApplication::exec();
    return code;
}
