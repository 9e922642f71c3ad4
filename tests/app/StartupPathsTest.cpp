// SPDX-License-Identifier: GPL-3.0-or-later
// Where a run keeps its files: the settings file beside the program or in the user's folders, a
// scratch folder that never takes over or empties anything it doesn't own, the book named on the
// command line, and the window placement.

#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/ViewPlacement.h"
#include "app/WorkDir.h"
#include "common/platform/FolderLock.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <gtest/gtest.h>

TEST(AppPaths, SettingsFileFollowsTheExecutableOrTheUserFolders)
{
    EXPECT_EQ(SettingsFileFor("/apps/viewer.beta.exe"), "/apps/viewer.ini");
    EXPECT_EQ(SettingsFileFor("/apps.v2/bullevista"), "/apps.v2/bullevista.ini"); // dots in folders never count
    ScratchDir dir;
    AppPaths writable;
    EXPECT_EQ(ResolveAppPaths(writable, dir.file("bullevista"), true, dir.file("cfg"), dir.file("cache")), dir.path());
    EXPECT_EQ(writable.settingsFile, dir.file("bullevista.ini"));
    AppPaths installed; // in a folder the user can't write to
    const QString workParent = ResolveAppPaths(installed, "/usr/bin/bullevista", false, dir.file("cfg"),
                                               dir.file("cache"));
    EXPECT_EQ(installed.settingsFile, dir.file("cfg/bullevista/bullevista.ini"));
    EXPECT_EQ(workParent, dir.file("cache/bullevista/"));
    EXPECT_TRUE(QFileInfo(workParent).isDir());
    // An installed copy is told by its data folder, not by whether its folder can be written.
    dir.write("usr/bin/bullevista", "");
    dir.write("usr/share/bullevista/skins/default/layout.cor", "");
    EXPECT_TRUE(IsInstalledCopy(dir.file("usr/bin/")));
    EXPECT_FALSE(IsInstalledCopy(dir.path()));

    // A first start (no settings file) reads the shipped defaults: beside the program, else in its data
    // folder; a settings file, once there, is the only one read.
    const QString bin = dir.file("usr/bin/"), settings = dir.file("cfg/bullevista/bullevista.ini");
    EXPECT_EQ(SettingsFileToRead(settings, bin), settings) << "no defaults anywhere";
    dir.write("usr/share/bullevista/defaults.ini", "startstretched=1\n");
    EXPECT_EQ(SettingsFileToRead(settings, bin), dir.file("usr/share/bullevista/defaults.ini"));
    dir.write("usr/bin/defaults.ini", "startstretched=1\n");
    EXPECT_EQ(SettingsFileToRead(settings, bin), dir.file("usr/bin/defaults.ini"));
    dir.write("cfg/bullevista/bullevista.ini", "");
    EXPECT_EQ(SettingsFileToRead(settings, bin), settings);
}

TEST(WorkDir, NeverTakesOverNorEmptiesWhatThisRunDoesNotOwn)
{
    ScratchDir dir;
    std::mt19937 probe(1);
    const QString taken = DrawWorkDirName(probe);
    dir.write(taken + "/keep.txt", "mine");
    std::mt19937 random(1); // draws `taken` first, then something new
    AppPaths paths;
    ASSERT_TRUE(CreateWorkDir(paths, dir.path(), random));
    EXPECT_NE(paths.WorkDir, dir.path() + taken + "/");

    // Emptying removes links, never what they point to.
    QFile::link(dir.file(taken), paths.WorkDir + "linkdir");
    QFile::link(dir.file(taken + "/keep.txt"), paths.WorkDir + "linkfile");
    dir.write(QDir(paths.WorkDir).dirName() + "/sub/deeper/p.png", "");
    EmptyWorkDir(paths);
    EXPECT_TRUE(QDir(paths.WorkDir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    RemoveWorkDir(paths);
    EXPECT_FALSE(QFileInfo::exists(paths.WorkDir));

    AppPaths notOurs;
    notOurs.WorkDir = dir.file(taken + "/");
    EmptyWorkDir(notOurs);
    RemoveWorkDir(notOurs);
    EXPECT_EQ(ReadWholeFile(dir.file(taken + "/keep.txt")), "mine");
}

TEST(CommandLine, BookPathFromArguments)
{
    EXPECT_EQ(CommandLineBookPath({"/My", "Books/vol1.cbz"}), "/My Books/vol1.cbz");
    EXPECT_EQ(CommandLineBookPath({"\"/My Books/vol1.cbz\""}), "/My Books/vol1.cbz");
    EXPECT_EQ(CommandLineBookPath({QString(300, u'a')}).size(), 260);
}

// The page area counts non-positive edges from the window's and is empty when it ends before it starts;
// extreme placements stay drawable, and a stored placement off every screen comes back onto the primary.
TEST(ViewPlacement, PageAreaAndStoredPlacementStayWithinReach)
{
    const std::pair<PageArea, QRect> areas[] = {
        {{10, 30, -10, -20}, {10, 30, 580, 380}},
        {{5, 5, 305, 205}, {5, 5, 300, 200}},
        {{100, 100, 50, 50}, {100, 100, 0, 0}},
        {{INT_MIN, 0, INT_MAX, 0}, {-32767, 0, 32767, 430}},
    };
    for (const auto& [area, rect] : areas)
        EXPECT_EQ(PlacePageView(area, 600, 430), rect) << area.left << "," << area.right;
    EXPECT_EQ(MainWindowRect(INT_MIN, INT_MAX, INT_MIN, INT_MAX), QRect(-32767, 32767, 1, 32767));
    const QRect r = MainWindowRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(PlacePageView({}, r.width(), r.height()), QRect(0, 0, 32767, 32767));

    const QRect screen(0, 0, 1920, 1080), second(1920, 0, 1280, 1024);
    const std::pair<QRect, QRect> stored[] = {
        {{2000, 100, 800, 600}, {2000, 100, 800, 600}},     // on the second screen
        {{-32767, 32767, 1, 1}, {660, 325, 600, 430}},      // nowhere and tiny
        {{1870, 1050, 600, 430}, {660, 325, 600, 430}},     // a corner of it only
        {{-100, -20, 3000, 2000}, {-100, -20, 3000, 2000}}, // larger than the screen, but on it
        {{5000, 5000, 3000, 2000}, {0, 0, 3000, 2000}},     // larger and off it
    };
    for (const auto& [placement, usable] : stored)
        EXPECT_EQ(UsablePlacement(placement, {screen, second}, screen), usable) << placement.x();
}

TEST(WorkDir, AtStartTheFoldersOfCrashedRunsGoAndNothingElse)
{
    ScratchDir dir;
    const auto folderWithLock = [&](const QString& name) {
        dir.write(name + "/p1.jpg", "page");
        dir.write(name + "/.p2.jpg.part", "half a page");
        dir.write(name + ".lock", "");
    };
    folderWithLock("ABCDE"); // a crashed run's: goes
    folderWithLock("BBBBB"); // held by a running copy
    folderWithLock("CCCCC");
    dir.write("CCCCC/sub/x.txt", "not ours"); // holds a folder the program never writes
    dir.write("DDDDD/p1.jpg", "");            // no lock file: not made by the program
    dir.write("ABCDZ/p1.jpg", "");            // Z is never drawn
    dir.write("ABCDEF/p1.jpg", "");
    dir.write("EEEEE.lock", "");              // a lock without its folder
    const FolderLock running = FolderLock::take(dir.file("BBBBB.lock"));
    ASSERT_TRUE(running.isHeld());

    EXPECT_EQ(RemoveStaleWorkDirs(dir.path()), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"ABCDEF", "ABCDZ", "BBBBB", "BBBBB.lock", "CCCCC", "CCCCC.lock", "DDDDD", "EEEEE.lock"}));

    // A run's own folder is held while it runs, and leaves nothing behind.
    std::mt19937 random(3);
    AppPaths paths;
    ASSERT_TRUE(CreateWorkDir(paths, dir.path(), random));
    const QString lockFile = paths.WorkDir.chopped(1) + ".lock";
    EXPECT_FALSE(FolderLock::take(lockFile).isHeld());
    EXPECT_EQ(RemoveStaleWorkDirs(dir.path()), 0);
    RemoveWorkDir(paths);
    EXPECT_FALSE(QFileInfo::exists(paths.WorkDir) || QFileInfo::exists(lockFile));
}
