#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/ViewPlacement.h"
#include "app/WorkDir.h"

#include "TestSupport.h"

#include <QDir>
#include <climits>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(AppPaths, SettingsFileFollowsTheExecutableName)
{
    EXPECT_EQ(SettingsFileFor("/apps/viewer.exe"), "/apps/viewer.ini");
    EXPECT_EQ(SettingsFileFor("/apps/viewer.beta.exe"), "/apps/viewer.ini");
    EXPECT_EQ(SettingsFileFor("/apps.v2/bullevista"), "/apps.v2/bullevista.ini"); // dots in folders never count
    EXPECT_EQ(SettingsFileFor("/usr/bin/bullevista"), "/usr/bin/bullevista.ini");
    EXPECT_EQ(ExeDirOf("/apps.v2/bullevista"), "/apps.v2/");
}

TEST(AppPaths, ReadOnlyExecutableFolderUsesTheUserFolders)
{
    ScratchDir dir;
    AppPaths writable;
    EXPECT_EQ(ResolveAppPaths(writable, dir.file("bullevista"), true, dir.file("cfg"), dir.file("cache")), dir.path());
    EXPECT_EQ(writable.settingsFile, dir.file("bullevista.ini"));

    AppPaths installed;
    const QString workParent = ResolveAppPaths(installed, "/usr/bin/bullevista", false, dir.file("cfg"), dir.file("cache"));
    EXPECT_EQ(installed.ExeDir, "/usr/bin/");
    EXPECT_EQ(installed.settingsFile, dir.file("cfg/bullevista/bullevista.ini"));
    EXPECT_EQ(workParent, dir.file("cache/bullevista/"));
    EXPECT_TRUE(QFileInfo(workParent).isDir());
}

TEST(WorkDir, NamesAreFiveLettersFromAToY)
{
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const QString name = DrawWorkDirName(random);
        ASSERT_EQ(name.size(), 5);
        for (QChar c : name)
            ASSERT_TRUE(c >= u'A' && c <= u'Y') << name.toStdString();
    }
}

TEST(WorkDir, NeverTakesOverAnExistingFolder)
{
    ScratchDir dir;
    std::mt19937 probe(1);
    const QString taken = DrawWorkDirName(probe);
    dir.write(taken + "/keep.txt", "mine");

    std::mt19937 random(1); // draws `taken` first, then something new
    AppPaths paths;
    ASSERT_TRUE(CreateWorkDir(paths, dir.path(), random));
    EXPECT_NE(paths.WorkDir, dir.path() + taken + "/");
    EXPECT_TRUE(QFileInfo(paths.WorkDir).isDir());
    RemoveWorkDir(paths);
    EXPECT_FALSE(QFileInfo::exists(paths.WorkDir));
    EXPECT_EQ(ReadWholeFile(dir.file(taken + "/keep.txt")), "mine");
}

TEST(WorkDir, EmptyingNeverFollowsLinksOut)
{
    ScratchDir outside;
    outside.write("precious/page.jpg", "data");
    outside.write("single.txt", "data");

    ScratchDir dir;
    std::mt19937 random(3);
    AppPaths paths;
    ASSERT_TRUE(CreateWorkDir(paths, dir.path(), random));
    QFile::link(outside.file("precious"), paths.WorkDir + "linkdir");
    QFile::link(outside.file("single.txt"), paths.WorkDir + "linkfile");
    QDir().mkpath(paths.WorkDir + "sub/deeper");
    QFile f(paths.WorkDir + "sub/deeper/p.png");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EmptyWorkDir(paths);
    EXPECT_TRUE(QDir(paths.WorkDir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    EXPECT_EQ(ReadWholeFile(outside.file("precious/page.jpg")), "data");
    EXPECT_EQ(ReadWholeFile(outside.file("single.txt")), "data");

    RemoveWorkDir(paths);
    EXPECT_FALSE(QFileInfo::exists(paths.WorkDir));
}

TEST(WorkDir, AFolderThisRunDidNotCreateIsLeftAlone)
{
    ScratchDir dir;
    dir.write("ABCDE/page.jpg", "data");
    AppPaths paths;
    paths.WorkDir = dir.file("ABCDE/");
    paths.workDirCreated = false;
    EmptyWorkDir(paths);
    RemoveWorkDir(paths);
    EXPECT_EQ(ReadWholeFile(dir.file("ABCDE/page.jpg")), "data");
}

TEST(CommandLine, BookPathFromArguments)
{
    EXPECT_EQ(CommandLineBookPath({}), "");
    EXPECT_EQ(CommandLineBookPath({"/books/vol1.cbz"}), "/books/vol1.cbz");
    EXPECT_EQ(CommandLineBookPath({"/My", "Books/vol1.cbz"}), "/My Books/vol1.cbz");
    EXPECT_EQ(CommandLineBookPath({"\"/My Books/vol1.cbz\""}), "/My Books/vol1.cbz");
    EXPECT_EQ(CommandLineBookPath({QString(300, u'a')}).size(), 260);
}

TEST(ViewPlacement, NonPositiveEdgesCountFromTheWindowEdges)
{
    EXPECT_EQ(PlacePageView({}, 600, 430), QRect(0, 0, 600, 430));
    EXPECT_EQ(PlacePageView({10, 30, -10, -20}, 600, 430), QRect(10, 30, 580, 380));
    EXPECT_EQ(PlacePageView({5, 5, 305, 205}, 600, 430), QRect(5, 5, 300, 200));
}

TEST(ViewPlacement, ExtremeStoredPlacementsStayDrawable)
{
    EXPECT_EQ(MainWindowRect(20, 20, 600, 430), QRect(20, 20, 600, 430));
    EXPECT_EQ(MainWindowRect(INT_MIN, INT_MAX, INT_MIN, INT_MAX), QRect(-32767, 32767, 1, 32767));
    const QRect r = MainWindowRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(PlacePageView({}, r.width(), r.height()), QRect(0, 0, 32767, 32767));
}
