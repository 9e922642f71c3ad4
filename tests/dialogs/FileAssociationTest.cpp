// SPDX-License-Identifier: GPL-3.0-or-later
// File association: the mimeapps.list edits as a table, the open command, the General page's three
// buttons against the desktop's own lookup (xdg-mime, when installed) in folders of the test's own, and
// lists that must be left as they are.

#include "dialogs/FileAssociation.h"
#include "dialogs/association/DesktopFiles.h"
#include "dialogs/association/MimeAppsList.h"
#include "dialogs/preferences/GeneralPage.h"
#include "support/TestState.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const QByteArray kCbz = "application/vnd.comicbook+zip";
const QByteArray kOurs = "bullevista.desktop";

// Points HOME and the XDG folders into a scratch folder while it lives.
struct UserFolders {
    UserFolders()
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS",
                                 "XDG_CURRENT_DESKTOP", "DISPLAY"}) {
            saved.emplace_back(name, qgetenv(name));
            qputenv(name, dir.file(QString::fromLatin1(name)).toUtf8());
        }
    }
    ~UserFolders()
    {
        for (const auto& [name, value] : saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString file(const char* name, const char* path) const
    {
        return dir.file(QString::fromLatin1(name) + u'/' + QString::fromLatin1(path));
    }
    ScratchDir dir;
    std::vector<std::pair<const char*, QByteArray>> saved;
};

// What the desktop's own lookup answers, or nothing when xdg-mime isn't installed.
std::optional<QByteArray> XdgDefault(const QByteArray& mimeType)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(mimeType)});
    process.waitForFinished(10000);
    return process.readAllStandardOutput().trimmed();
}
} // namespace

TEST(MimeAppsList, EditsKeepEverythingThatIsNotOurs)
{
    const QByteArray group = "[Default Applications]\n", cbz = kCbz + '=';
    // list before, true: make ours the default / false: release it, list after
    const std::tuple<QByteArray, bool, QByteArray> edits[] = {
        {"", true, group + cbz + "bullevista.desktop;\n"},
        {"", false, ""},
        // another default stays behind ours and comes back after; other types are not touched
        {group + "text/plain=ed.desktop;\n" + cbz + "o.desktop;bullevista.desktop\n", true,
         group + "text/plain=ed.desktop;\n" + cbz + "bullevista.desktop;o.desktop;\n"},
        {group + cbz + "bullevista.desktop;o.desktop;\n", false, group + cbz + "o.desktop;\n"},
        {group + cbz + "bullevista.desktop;\n", false, group},
        // no group: one at the end; the type in another group isn't ours; a removed association of ours goes
        {"[Added Associations]\n" + cbz + "a.desktop;\n[Removed Associations]\n" + cbz + "bullevista.desktop;", true,
         "[Added Associations]\n" + cbz + "a.desktop;\n[Removed Associations]\n\n" + group + cbz + kOurs + ";\n"},
        // the type's line goes under the header, CRLF kept; stray lines and bytes that aren't UTF-8 stay
        {"stray\n\xff\xfe=\n[Default Applications]\r\nimage/png=v.desktop;\r\n[Broken\n", true,
         "stray\n\xff\xfe=\n[Default Applications]\r\n" + cbz
             + "bullevista.desktop;\r\nimage/png=v.desktop;\r\n[Broken\n"},
        // blanks around the key; a repeated line: a release takes ours out of both
        {group + " " + kCbz + " = bullevista.desktop ;\n" + cbz + "bullevista.desktop;b.desktop;\n", false,
         group + cbz + "b.desktop;\n"},
    };
    for (const auto& [before, makeOurs, after] : edits) {
        const auto edited = makeOurs ? WithDefaultApplication(before, kCbz, kOurs)
                                     : WithoutDefaultApplication(before, kCbz, kOurs);
        EXPECT_EQ(edited, std::optional(after)) << before.constData();
    }
    // Not text the program edits: left alone.
    EXPECT_FALSE(WithDefaultApplication(QByteArray("[Default Applications]\n\0\n", 25), kCbz, kOurs));
    EXPECT_FALSE(WithoutDefaultApplication(QByteArray(kMaxMimeAppsListBytes + 1, '#'), kCbz, kOurs));
}

TEST(DesktopFiles, TheOpenCommandIsQuotedOnlyWhenItMustBe)
{
    // Simple readers of the entry take its first word for the program.
    const std::pair<QString, QByteArray> execs[] = {
        {QStringLiteral("/usr/bin/bullevista"), "/usr/bin/bullevista %f"},
        {QStringLiteral("/home/anne/my books/bv"), "\"/home/anne/my books/bv\" %f"},
        {QStringLiteral("/opt/100%/élan"), "/opt/100%%/\xc3\xa9lan %f"},
        {QStringLiteral("/o/a\"$`\\b/bv"), "\"/o/a\\\\\"\\\\$\\\\`\\\\\\\\b/bv\" %f"},
    };
    for (const auto& [program, exec] : execs)
        EXPECT_EQ(ExecLineFor(program), std::optional(exec)) << program.toStdString();
    EXPECT_FALSE(ExecLineFor(QStringLiteral("/o/line\nbreak/bv")));
}

TEST(FileAssociation, GeneralPageButtonsAgreeWithTheDesktop)
{
    UserFolders folders;
    // Another viewer is the default for cbz; a text editor's default is no business of ours.
    folders.dir.write(QStringLiteral("XDG_DATA_DIRS/applications/o.desktop"),
                      "[Desktop Entry]\nType=Application\nName=O\nExec=/bin/true %f\n");
    const QByteArray list = "[Default Applications]\ntext/plain=ed.desktop;\n" + kCbz + "=o.desktop;\n";
    folders.dir.write(QStringLiteral("XDG_CONFIG_HOME/mimeapps.list"), list);
    AppState state;
    UseDefaultSettings(state);
    // Opens the page, selects `select` unless empty, presses `button`; gives what the page showed.
    auto page = [&](const char* button, const QStringList& select = {}) {
        GeneralPage page(state.settings);
        auto* entries = page.findChild<QListWidget*>(QStringLiteral("1013"));
        QStringList shown;
        for (QListWidgetItem* item : entries->selectedItems())
            shown << item->text();
        for (int row = 0; row < entries->count() && !select.isEmpty(); ++row)
            entries->item(row)->setSelected(select.contains(entries->item(row)->text()));
        if (button)
            page.findChild<QPushButton*>(QLatin1String(button))->click();
        return shown;
    };
    const QStringList cbzOnly = {QStringLiteral(".cbz")};
    EXPECT_EQ(page("1009", cbzOnly), QStringList()); // "Add Selected"
    if (const auto xdg = XdgDefault(kCbz)) {
        EXPECT_EQ(*xdg, kOurs);
        EXPECT_EQ(XdgDefault("application/x-bdz"), QByteArray()); // not declared while not associated
    }
    EXPECT_EQ(page("1008"), cbzOnly); // "Add All"
    const QByteArray entry = ReadWholeFile(folders.file("XDG_DATA_HOME", "applications/bullevista.desktop"));
    EXPECT_TRUE(entry.contains("Exec=" + *ExecLineFor(QCoreApplication::applicationFilePath()))) << entry.constData();
    EXPECT_TRUE(QFile::exists(folders.file("XDG_DATA_HOME", "icons/hicolor/scalable/apps/bullevista.svg")));
    EXPECT_TRUE(QFile::exists(folders.file("XDG_DATA_HOME", "mime/packages/bullevista.xml")));
    if (const auto xdg = XdgDefault("application/x-bdz")) {
        EXPECT_EQ(*xdg, kOurs);
    }
    EXPECT_EQ(page("1007"), AssociableExtensions()); // "Clean All": the other viewer is the default again
    EXPECT_EQ(page(nullptr), QStringList());
    EXPECT_EQ(ReadWholeFile(folders.file("XDG_CONFIG_HOME", "mimeapps.list")), list);
    // The entry no longer declares the listed types, so the desktop doesn't fall back to it either.
    if (const auto xdg = XdgDefault(kCbz)) {
        EXPECT_EQ(*xdg, "o.desktop");
        EXPECT_EQ(XdgDefault("application/vnd.comicbook-rar"), QByteArray());
    }
}

TEST(FileAssociation, ListsItMayNotWriteStayAsTheyWere)
{
    UserFolders folders;
    const QString list = folders.file("XDG_CONFIG_HOME", "mimeapps.list");
    const QString outside = folders.dir.write(QStringLiteral("elsewhere"), "[Default Applications]\n");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a folder", [&] { QDir().mkpath(list); }},
        {"a FIFO", [&] { ::mkfifo(QFile::encodeName(list).constData(), 0600); }},
        {"read-only",
         [&] {
             QDir().mkpath(folders.file("XDG_CONFIG_HOME", ""));
             QFile::copy(outside, list);
             QFile::setPermissions(list, QFile::ReadOwner);
         }},
        {"a link out of the user's folders", [&] { QFile::link(outside, list); }},
        {"the config folder a file",
         [&] {
             QDir(folders.file("XDG_CONFIG_HOME", "")).removeRecursively();
             folders.dir.write(QStringLiteral("XDG_CONFIG_HOME"), "x");
         }},
    };
    for (const auto& [name, make] : cases) {
        make();
        SetAssociation(QStringLiteral("Bullevista"), QStringLiteral(".cbz"));
        SetAssociation(QString(), QStringLiteral(".cbr"));
        EXPECT_FALSE(IsAssociated(QStringLiteral("Bullevista"), QStringLiteral(".cbz"))) << name;
        EXPECT_EQ(ReadWholeFile(outside), "[Default Applications]\n") << name;
        if (QFileInfo(list).isFile()) {
            EXPECT_EQ(ReadWholeFile(list), "[Default Applications]\n") << name;
        }
        QFile::setPermissions(list, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(list);
        QDir(list).removeRecursively();
        QFile::remove(folders.file("XDG_CONFIG_HOME", "").chopped(1));
    }
}
