#include "app/Startup.h"

#include "app/AppHooks.h"
#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "app/PresentPage.h"
#include "app/ProductTitle.h"
#include "app/QuitSignals.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/ShutDown.h"
#include "app/WorkDir.h"
#include "view/PageView.h"

#include <QApplication>
#include <QCursor>
#include <QStandardPaths>
#include <random>

namespace {
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
} // namespace

int RunBullevista(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bullevista"));
    QApplication::setQuitOnLastWindowClosed(false); // only ShutDown ends the run

    AppState state;
    const AppHooks hooks(state);

    std::mt19937 random = seededRandom();
    const QString exePath = QCoreApplication::applicationFilePath();
    const QString workParent = ResolveAppPaths(
        state.paths, exePath, IsWritableDirectory(ExeDirOf(exePath)),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    CreateWorkDir(state.paths, workParent, random);

    state.settings = ReadSettings(SettingsReader(state.paths.settingsFile), state.paths.ExeDir);

    MainWindow window(state);
    state.windows = {&window, window.pageView()};
    ShowMainText(state, ProductTitle());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    openCommandLineBook(state, arguments);

    state.accelTable = BuildAccelTable(state.settings);

    InstallQuitSignals([&state] { ShutDown(state); });
    window.show();
    if (state.settings.startfullscreen > 0)
        window.enterFullScreen();

    const int code = QApplication::exec();
    return code;
}
