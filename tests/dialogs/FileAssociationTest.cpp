// File association: the mimeapps.list edits as a table, the desktop entry's Exec and the extension
// table, the General page's three buttons against the desktop's own lookup (xdg-mime, when installed)
// in folders of the test's own, and lists that must be left as they are.

#include "dialogs/FileAssociation.h"
#include "dialogs/association/DesktopFiles.h"
#include "dialogs/association/MimeAppsList.h"
#include "dialogs/preferences/GeneralPage.h"
#include "support/TestState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {
const QByteArray kCbz = "application/vnd.comicbook+zip";
const QByteArray kOurs = "bullevista.desktop";

// Points the user's and the system's XDG folders (and HOME) into a scratch folder while it lives.
class UserFolders {
public:
    UserFolders()
    {
        const std::map<const char*, QString> folders = {
            {"HOME", "home"},           {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
            {"XDG_CONFIG_DIRS", "etc"}, {"XDG_DATA_DIRS", "usr"},
        };
        for (const auto& [name, folder] : folders) {
            set(name, (dir.path() + folder).toUtf8());
            QDir().mkpath(dir.path() + folder);
        }
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "DISPLAY", "WAYLAND_DISPLAY"})
            set(name, std::nullopt);
    }
    ~UserFolders()
    {
        for (const auto& [name, value] : m_saved)
            value ? qputenv(name.constData(), *value) : qunsetenv(name.constData());
    }
    QString list() const { return dir.file(QStringLiteral("config/mimeapps.list")); }

    ScratchDir dir;

private:
    void set(const char* name, std::optional<QByteArray> value)
    {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
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

void WriteEntry(const QString& path, const QByteArray& exec)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Other\nExec=" + exec + " %f\n");
}
} // namespace

TEST(MimeAppsList, EditsKeepEverythingThatIsNotOurs)
{
    enum Edit { Set, Release };
    // list before, edit, list after
    const std::tuple<QByteArray, Edit, QByteArray> edits[] = {
        // a new list
        {"", Set, "[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;\n"},
        {"", Release, ""},
        // another program's default stays behind ours, and comes back when ours goes
        {"[Default Applications]\ntext/plain=ed.desktop;\napplication/vnd.comicbook+zip=other.desktop;\n", Set,
         "[Default Applications]\ntext/plain=ed.desktop;\napplication/vnd.comicbook+zip=bullevista.desktop;other."
         "desktop;\n"},
        {"[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;other.desktop;\n", Release,
         "[Default Applications]\napplication/vnd.comicbook+zip=other.desktop;\n"},
        {"[Default Applications]\napplication/vnd.comicbook+zip=other.desktop;bullevista.desktop\n", Set,
         "[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;other.desktop;\n"},
        // a line left empty goes, its group stays; a release with nothing of ours changes nothing
        {"[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;\n", Release,
         "[Default Applications]\n"},
        {"[Default Applications]\napplication/vnd.comicbook+zip=other.desktop;\n", Release,
         "[Default Applications]\napplication/vnd.comicbook+zip=other.desktop;\n"},
        // no default group: one is added at the end; the same type in another group is not ours to change
        {"[Added Associations]\napplication/vnd.comicbook+zip=a.desktop;", Set,
         "[Added Associations]\napplication/vnd.comicbook+zip=a.desktop;\n\n[Default Applications]\n"
         "application/vnd.comicbook+zip=bullevista.desktop;\n"},
        // a group present but without the type: the line goes right under its header, CRLF kept
        {"[Default Applications]\r\nimage/png=v.desktop;\r\n", Set,
         "[Default Applications]\r\napplication/vnd.comicbook+zip=bullevista.desktop;\r\nimage/png=v.desktop;\r\n"},
        // a removed association of ours would hide the default: it goes
        {"[Removed Associations]\napplication/vnd.comicbook+zip=bullevista.desktop;x.desktop;\n", Set,
         "[Removed Associations]\napplication/vnd.comicbook+zip=x.desktop;\n\n[Default Applications]\n"
         "application/vnd.comicbook+zip=bullevista.desktop;\n"},
        // stray lines, blanks around the key, bytes that aren't UTF-8: only our line is rewritten
        {"stray line\n=\n\xff\xfe junk\n[Default Applications]\n application/vnd.comicbook+zip = o.desktop ; \n"
         "[Broken\n",
         Set,
         "stray line\n=\n\xff\xfe junk\n[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;"
         "o.desktop;\n[Broken\n"},
        // a repeated line: the first counts for the desktop; a release takes ours out of both
        {"[Default Applications]\napplication/vnd.comicbook+zip=bullevista.desktop;\n"
         "application/vnd.comicbook+zip=bullevista.desktop;b.desktop;\n",
         Release, "[Default Applications]\napplication/vnd.comicbook+zip=b.desktop;\n"},
    };
    for (const auto& [before, edit, after] : edits) {
        const auto edited = edit == Set ? WithDefaultApplication(before, kCbz, kOurs)
                                        : WithoutDefaultApplication(before, kCbz, kOurs);
        ASSERT_TRUE(edited.has_value()) << before.constData();
        EXPECT_EQ(*edited, after) << before.constData();
    }
    EXPECT_EQ(DefaultApplications("[Default Applications]\napplication/vnd.comicbook+zip=a.desktop;b.desktop\n"
                                  "application/vnd.comicbook+zip=c.desktop\n[Other]\n",
                                  kCbz),
              QByteArrayList({"a.desktop", "b.desktop"}));
    EXPECT_TRUE(
        DefaultApplications("[Added Associations]\napplication/vnd.comicbook+zip=a.desktop;\n", kCbz).isEmpty());

    // Not text the program edits: left alone.
    EXPECT_FALSE(WithDefaultApplication(QByteArray("[Default Applications]\n\0\n", 25), kCbz, kOurs));
    EXPECT_FALSE(WithoutDefaultApplication(QByteArray(kMaxMimeAppsListBytes + 1, '#'), kCbz, kOurs));
}

TEST(DesktopFiles, ExtensionTypesAndTheOpenCommand)
{
    const std::pair<const char*, const char*> types[] = {
        {".cbz", "application/vnd.comicbook+zip"},
        {".CBR", "application/vnd.comicbook-rar"},
        {".BDz", "application/x-bdz"},
        {".cb7", ""},
        {"cbz", ""},
        {"", ""},
    };
    for (const auto& [extension, mimeType] : types)
        EXPECT_EQ(MimeTypeForExtension(QString::fromLatin1(extension)), QByteArray(mimeType)) << extension;
    EXPECT_EQ(DesktopIdFor(u"Bullevista"), "bullevista.desktop");

    // Quoted only when it must be, as simple readers take the first word for the program.
    const std::pair<QString, QByteArray> execs[] = {
        {QStringLiteral("/usr/bin/bullevista"), "/usr/bin/bullevista %f"},
        {QStringLiteral("bullevista"), "bullevista %f"},
        {QStringLiteral("/home/anne/my books/bv"), "\"/home/anne/my books/bv\" %f"},
        {QStringLiteral("/opt/100%/bv"), "/opt/100%%/bv %f"},
        {QStringLiteral("/o/a\"$`\\b/bv"), "\"/o/a\\\\\"\\\\$\\\\`\\\\\\\\b/bv\" %f"},
        {QStringLiteral("/o/élan/bv"), "/o/\xc3\xa9lan/bv %f"},
    };
    for (const auto& [program, exec] : execs)
        EXPECT_EQ(ExecLineFor(program), std::optional(exec)) << program.toStdString();
    EXPECT_FALSE(ExecLineFor(QStringLiteral("/o/line\nbreak/bv")));
    EXPECT_FALSE(ExecLineFor(QString()));

    const QByteArray entry = DesktopEntryText(u"Bullevista", "bv %f", {"a/b"});
    EXPECT_EQ(DeclaredMimeTypes(entry), QByteArrayList({"a/b"}));
    EXPECT_EQ(DeclaredMimeTypes(WithDeclaredMimeType(entry, kCbz, true)), QByteArrayList({"a/b", kCbz}));
    const QByteArray none = WithDeclaredMimeType(entry, "a/b", false);
    EXPECT_FALSE(none.contains("MimeType")) << none.constData();
    EXPECT_TRUE(none.endsWith("cbr;\n")) << none.constData();
}

TEST(FileAssociation, GeneralPageButtonsAgreeWithTheDesktop)
{
    UserFolders folders;
    // Another viewer is the default for cbz; a text editor's default is no business of ours.
    WriteEntry(folders.dir.file(QStringLiteral("usr/applications/other.desktop")), "/bin/true");
    folders.dir.write(QStringLiteral("config/mimeapps.list"),
                      "[Default Applications]\ntext/plain=ed.desktop;\napplication/vnd.comicbook+zip=other.desktop;\n");
    AppState state;
    UseDefaultSettings(state);
    auto pageState = [&] {
        GeneralPage page(state.settings);
        QStringList selected;
        for (QListWidgetItem* item : page.findChild<QListWidget*>(QStringLiteral("1013"))->selectedItems())
            selected << item->text();
        return selected;
    };
    auto click = [&](const char* id, const QStringList& select = {}) {
        GeneralPage page(state.settings);
        auto* list = page.findChild<QListWidget*>(QStringLiteral("1013"));
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(select.contains(list->item(row)->text()));
        page.findChild<QPushButton*>(QLatin1String(id))->click();
    };
    const QStringList none, cbzOnly = {QStringLiteral(".cbz")};
    const QStringList all = AssociableExtensions();
    EXPECT_EQ(pageState(), none);

    click("1009", cbzOnly); // "Add Selected"
    EXPECT_EQ(pageState(), cbzOnly);
    const QByteArray entry = ReadWholeFile(folders.dir.file(QStringLiteral("data/applications/bullevista.desktop")));
    EXPECT_TRUE(entry.contains("Exec=" + *ExecLineFor(QCoreApplication::applicationFilePath()))) << entry.constData();
    EXPECT_TRUE(QFile::exists(folders.dir.file(QStringLiteral("data/icons/hicolor/scalable/apps/bullevista.svg"))));
    EXPECT_TRUE(QFile::exists(folders.dir.file(QStringLiteral("data/mime/packages/bullevista.xml"))));
    // The entry declares only what is associated, so the desktop doesn't fall back to it for the rest.
    if (const auto xdg = XdgDefault(kCbz)) {
        EXPECT_EQ(*xdg, kOurs);
        EXPECT_EQ(XdgDefault("application/x-bdz"), QByteArray());
    }

    click("1008"); // "Add All"
    EXPECT_EQ(pageState(), all);
    if (const auto xdg = XdgDefault("application/vnd.comicbook-rar")) {
        EXPECT_EQ(*xdg, kOurs);
    }

    click("1007", all); // "Clean All": the other viewer is the default again
    EXPECT_EQ(pageState(), none);
    if (const auto xdg = XdgDefault(kCbz)) {
        EXPECT_EQ(*xdg, "other.desktop");
        EXPECT_EQ(XdgDefault("application/vnd.comicbook-rar"), QByteArray());
    }
    EXPECT_EQ(ReadWholeFile(folders.list()),
              "[Default Applications]\ntext/plain=ed.desktop;\napplication/vnd.comicbook+zip=other.desktop;\n");
}

TEST(FileAssociation, ListsItMayNotWriteStayAsTheyWere)
{
    // each: makes config/mimeapps.list something that must not be written; what is there afterwards
    UserFolders folders;
    const QString list = folders.list();
    const QString outside = folders.dir.write(QStringLiteral("elsewhere/list"), "[Default Applications]\n");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a folder", [&] { QDir().mkpath(list); }},
        {"a FIFO", [&] { ::mkfifo(QFile::encodeName(list).constData(), 0600); }},
        {"read-only",
         [&] {
             folders.dir.write(QStringLiteral("config/mimeapps.list"), "[Default Applications]\n");
             QFile::setPermissions(list, QFile::ReadOwner);
         }},
        {"a link out of the user's folders", [&] { QFile::link(outside, list); }},
        {"a link to nothing", [&] { QFile::link(folders.dir.file(QStringLiteral("gone")), list); }},
    };
    for (const auto& [name, make] : cases) {
        make();
        const QByteArray before = QFileInfo(list).isFile() ? ReadWholeFile(list) : QByteArray();
        SetAssociation(QStringLiteral("Bullevista"), QStringLiteral(".cbz"));
        SetAssociation(QString(), QStringLiteral(".cbr"));
        EXPECT_FALSE(IsAssociated(QStringLiteral("Bullevista"), QStringLiteral(".cbz"))) << name;
        if (QFileInfo(list).isFile()) {
            EXPECT_EQ(ReadWholeFile(list), before) << name;
        }
        EXPECT_EQ(ReadWholeFile(outside), "[Default Applications]\n") << name;
        EXPECT_FALSE(QFileInfo::exists(folders.dir.file(QStringLiteral("gone")))) << name;
        QFile::setPermissions(list, QFile::ReadOwner | QFile::WriteOwner);
        QDir(list).removeRecursively();
        QFile::remove(list);
    }
    // The config folder is a file: nothing can be made under it.
    QDir(folders.dir.file(QStringLiteral("config"))).removeRecursively();
    folders.dir.write(QStringLiteral("config"), "not a folder");
    SetAssociation(QStringLiteral("Bullevista"), QStringLiteral(".cbz"));
    EXPECT_EQ(ReadWholeFile(folders.dir.file(QStringLiteral("config"))), "not a folder");
}
