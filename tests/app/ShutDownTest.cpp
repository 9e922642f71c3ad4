// SPDX-License-Identifier: GPL-3.0-or-later
// Ending a run: Ctrl+Q in the window writes the settings and removes the scratch folder; the viewer
// itself, ended as a session ends, starts from any settings file and leaves a clean one behind.

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/WorkDir.h"
#include "view/PageView.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

TEST(ShutDown, CtrlQWritesTheSettingsAndRemovesTheScratchFolder)
{
    ScratchDir dir;
    AppState state;
    state.paths.settingsFile = dir.file("bullevista.ini");
    std::mt19937 random(5);
    ASSERT_TRUE(CreateWorkDir(state.paths, dir.path(), random));
    state.settings = ReadSettings(SettingsReader::fromText("wndxpos=33\nwndwidth=640\n"), dir.path());
    state.accelTable = BuildAccelTable(state.settings);
    MainWindow window(state);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)); // the accelerators answer in the active window
    QTest::keyClick(window.pageView(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(state.shutDown);
    EXPECT_FALSE(QFileInfo::exists(state.paths.WorkDir));
    EXPECT_TRUE(ReadWholeFile(state.paths.settingsFile).startsWith("wndxpos=33\nwndypos=20\nwndwidth=640\n"));
}

TEST(ProgramRun, SurvivesAnySettingsFileAndEndsCleanlyOnSigterm)
{
    // An empty file, a hand-edited one with junk around its keys, garbage, and numbers beyond any range.
    const QByteArray hand = "[Window]\nwndxpos=40\nbogus line\n" + QByteArray(10000, 'z') + "\nmousewheelval=9999\n";
    QByteArray extreme;
    for (const char* key : {"wndxpos", "wndypos", "wndwidth", "wndheight", "startfullscreen", "vk3", "sk3"})
        extreme += QByteArray(key) + "=-99999999999999999999\n";
    // A language module that is gone by now: the run speaks English and says so in the file it leaves.
    const QByteArray gone = "langfile=gone.rcc\n";
    for (const QByteArray& content : {QByteArray(), hand, NoiseBytes(64 * 1024), extreme, gone}) {
        // The viewer copied into a scratch folder with its default skin, so its settings file and scratch
        // folder land there.
        ScratchDir dir;
        QFile::copy(QStringLiteral(BV_BINARY_DIR "/bullevista"), dir.file("viewer"));
        const QDir skin(QStringLiteral(BV_BINARY_DIR "/skins/default"));
        QDir().mkpath(dir.file("skins/default"));
        for (const QString& name : skin.entryList(QDir::Files))
            QFile::copy(skin.filePath(name), dir.file("skins/default/" + name));
        const QString settings = dir.write("viewer.ini", content);
        const auto workDirs = [&] {
            return QDir(dir.path()).entryList({"?????"}, QDir::Dirs).filter(QRegularExpression("^[A-Y]{5}$"));
        };
        QProcess run; // on the test's own platform, offscreen, its history and thumbnails in the scratch folder
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dir.file("data"));
        environment.insert("XDG_CACHE_HOME", dir.file("cache"));
        run.setProcessEnvironment(environment);
        // A book that isn't there takes the failed-open path at start.
        run.start(dir.file("viewer"), content.isEmpty() ? QStringList() : QStringList{dir.file("no such book")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return workDirs().size() == 1; }, 5000))
            << run.readAllStandardError().toStdString();
        QTest::qWait(300);                                             // let the window come up before ending the run
        ASSERT_GT(run.processId(), 0) << "the viewer ended by itself"; // pid 0 would signal our own group
        ::kill(pid_t(run.processId()), SIGTERM);
        ASSERT_TRUE(run.waitForFinished(10000));
        EXPECT_EQ(std::pair(run.exitStatus(), run.exitCode()), std::pair(QProcess::NormalExit, 0));
        EXPECT_TRUE(workDirs().isEmpty());
        const QByteArray written = ReadWholeFile(settings);
        EXPECT_EQ(written.count('\n'), SettingsFileText(Settings{}, {}).count('\n')) << "one line per key";
        EXPECT_EQ(SettingsFileText(ReadSettings(SettingsReader(settings), dir.path()), {}), written);
        EXPECT_TRUE(content != hand || written.startsWith("wndxpos=40\nwndypos=20\n"));
        EXPECT_TRUE(content != gone || written.contains("\nlangfile=default\n"));
    }
}
