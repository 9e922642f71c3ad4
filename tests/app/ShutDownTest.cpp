#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/OpenDialogs.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/WorkDir.h"
#include "view/PageView.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>

namespace {
// Ends a viewer run the way a session ending does. Never signals pid 0 (that would be our own group).
void terminate(QProcess& run)
{
    const qint64 pid = run.processId();
    ASSERT_GT(pid, 0) << "the viewer ended by itself: " << run.readAllStandardError().toStdString();
    ::kill(pid_t(pid), SIGTERM);
}

// The viewer copied into a scratch folder with its default skin, so its settings file and scratch folder
// land there.
struct InstalledViewer {
    ScratchDir dir;
    QString exe = dir.file("viewer");
    InstalledViewer()
    {
        const QString built = QStringLiteral(BV_BINARY_DIR "/bullevista");
        QFile::copy(built, exe);
        const QDir skin(QStringLiteral(BV_BINARY_DIR "/skins/default"));
        QDir().mkpath(dir.file("skins/default"));
        for (const QString& name : skin.entryList(QDir::Files))
            QFile::copy(skin.filePath(name), dir.file("skins/default/" + name));
    }
    QString settings() const { return dir.file("viewer.ini"); }
    QStringList workDirs() const
    {
        QStringList found;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (name.size() == 5 && name == name.toUpper())
                found << name;
        return found;
    }
};
} // namespace

TEST(ShutDown, CtrlQWritesTheSettingsAndRemovesTheScratchFolder)
{
    ScratchDir dir;
    AppState state;
    state.paths.ExeDir = dir.path();
    state.paths.settingsFile = dir.file("bullevista.ini");
    std::mt19937 random(5);
    ASSERT_TRUE(CreateWorkDir(state.paths, dir.path(), random));
    state.settings = ReadSettings(SettingsReader::fromText("wndxpos=33\nwndwidth=640\n"), dir.path());
    state.accelTable = BuildAccelTable(state.settings);
    {
        MainWindow window(state);
        state.windows = {&window, window.pageView()};
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(window.pageView()->geometry(), QRect(0, 0, 640, 430));

        CommandDialogs cancelled; // the folder chooser answers "cancel" at once
        cancelled.chooseDirectory = [](QWidget*, const QString&) { return QString(); };
        const CommandDialogs previous = SetCommandDialogs(cancelled);
        QTest::keyClick(window.pageView(), Qt::Key_Q); // "opendir": does not end the run
        SetCommandDialogs(previous);
        EXPECT_FALSE(state.shutDown);
        QTest::keyClick(window.pageView(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(state.shutDown);
    }
    EXPECT_FALSE(QFileInfo::exists(state.paths.WorkDir));
    const QByteArray written = ReadWholeFile(state.paths.settingsFile);
    EXPECT_EQ(written.count('\n'), 70);
    EXPECT_TRUE(written.startsWith("wndxpos=33\nwndypos=20\nwndwidth=640\n"));
}

TEST(ProgramRun, StartsAtTheStoredPlaceAndEndsCleanly)
{
    InstalledViewer viewer;
    ASSERT_TRUE(QFileInfo(viewer.exe).isExecutable());
    // A hand-edited file with junk around the keys it uses.
    QByteArray hand = "[Window]\nwndxpos=40\nwndypos=50\nlangfile=default\nlangfile=other\nbogus line\n";
    hand += QByteArray(10000, 'z') + "\n";
    hand += QByteArray("mousewheelval=99999999999999999999\n\0\n", 38);
    viewer.dir.write("viewer.ini", hand);

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(env);
    run.start(viewer.exe, {});
    ASSERT_TRUE(run.waitForStarted());
    for (int i = 0; i < 100 && viewer.workDirs().isEmpty(); ++i)
        QTest::qWait(50);
    ASSERT_EQ(viewer.workDirs().size(), 1);
    QTest::qWait(300); // let the window come up before ending the run
    terminate(run);
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_TRUE(viewer.workDirs().isEmpty());

    const QList<QByteArray> lines = ReadWholeFile(viewer.settings()).split('\n');
    ASSERT_EQ(lines.size(), 71);
    EXPECT_EQ(lines[0], "wndxpos=40");
    EXPECT_EQ(lines[1], "wndypos=50");
    EXPECT_EQ(lines[12], "mousewheelval=999");
    EXPECT_EQ(lines[24], "langfile=default");
}

TEST(ProgramRun, SurvivesAnySettingsFile)
{
    QByteArray garbage(64 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    QByteArray extreme;
    for (const char* key : {"wndxpos", "wndypos", "wndwidth", "wndheight", "startfullscreen", "vk3", "sk3"})
        extreme += QByteArray(key) + "=-99999999999999999999\n";
    for (const QByteArray& content : {QByteArray(), garbage, extreme}) {
        InstalledViewer viewer;
        viewer.dir.write("viewer.ini", content);
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.setProcessEnvironment(env);
        run.start(viewer.exe, {viewer.dir.file("no such book")});
        ASSERT_TRUE(run.waitForStarted());
        QTest::qWait(500);
        terminate(run);
        ASSERT_TRUE(run.waitForFinished(10000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(ReadWholeFile(viewer.settings()).count('\n'), 70);
        EXPECT_EQ(SettingsFileText(ReadSettings(SettingsReader(viewer.settings()), viewer.dir.path()), {}),
                  ReadWholeFile(viewer.settings()));
    }
}
