// Language modules: which files load (and never one outside the lang folders), what each row of the
// selection list shows, and the dialog's double click and close.

#include "dialogs/LanguageModules.h"
#include "common/StringTable.h"
#include "dialogs/lang/LanguageEntries.h"
#include "dialogs/lang/LanguageSelectionDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <set>

namespace {
const QString kFrench = QStringLiteral(BV_BINARY_DIR "/lang/french.rcc");

// A module made here with the build's own tools: a catalogue of one text, not string 1, and no icon.
QString writeModuleWithoutDescription(const ScratchDir& dir, const QString& name)
{
    dir.write("work/one.ts",
              "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de\">"
              "<context><name>GeneralPage</name><message><source>Add All</source>"
              "<translation>Alle zuordnen</translation></message></context></TS>");
    dir.write("work/bundle.qrc", "<RCC><qresource prefix=\"/\"><file>catalogue.qm</file></qresource></RCC>");
    QProcess tool;
    tool.setWorkingDirectory(dir.file("work"));
    tool.start(QStringLiteral(BV_LRELEASE), {"-silent", "one.ts", "-qm", "catalogue.qm"});
    EXPECT_TRUE(tool.waitForFinished() && tool.exitCode() == 0);
    tool.start(QStringLiteral(BV_RCC), {"--binary", "--no-compress", "-o", dir.file(name), "bundle.qrc"});
    EXPECT_TRUE(tool.waitForFinished() && tool.exitCode() == 0);
    return dir.file(name);
}

// A lang folder with the French module and every kind of file that is no module.
struct LangFolder {
    ScratchDir dir;
    QString lang;
    QByteArray french = ReadWholeFile(kFrench);
    LangFolder() : lang(dir.path() + "lang/")
    {
        dir.write("lang/french.rcc", french);
        dir.write("lang/empty.rcc", {});
        dir.write("lang/truncated.rcc", french.left(french.size() - 9));
        dir.write("lang/text.rcc", "Bonjour, not a bundle\n");
        dir.write("lang/notes.txt", french); // not a module by its name, though it would load
        dir.write("lang/sub/french.rcc", french);
        QDir().mkpath(lang + "folder.rcc");
        writeModuleWithoutDescription(dir, "lang/bare.rcc");
    }
};
} // namespace

TEST(LanguageModule, TheBuiltBundleIsWholeAndNoCutOrBentCopyOfItLoadsPastItsBytes)
{
    const QByteArray french = ReadWholeFile(kFrench);
    ASSERT_TRUE(IsWholeBundle(french));
    for (qsizetype size = 0; size < french.size(); ++size)
        ASSERT_FALSE(IsWholeBundle(french.left(size))) << size;
    // Every byte of the header and the tree set to values that point anywhere: judged without reading
    // outside the bytes (the sanitizers watch), and whatever passes the check still loads cleanly.
    ScratchDir dir;
    const qsizetype tree = qFromBigEndian<quint32>(french.constData() + 8);
    for (qsizetype at = 0; at < french.size(); ++at) {
        if (at >= 24 && at < tree)
            continue; // data and names: their contents are the catalogue's business
        for (char value : {'\x00', '\x01', '\x7f', '\xff'}) {
            QByteArray bent = french;
            bent[at] = value;
            LanguageModule module;
            module.load(dir.write("bent.rcc", bent));
        }
    }
    // The root claiming itself as its child.
    QByteArray loop = french;
    qToBigEndian<quint32>(0, loop.data() + tree + 10);
    EXPECT_FALSE(IsWholeBundle(loop));
}

TEST(LanguageModule, ApplyLoadsOnlyWholeModulesInsideTheLangFoldersElseTheBuiltInLanguage)
{
    LangFolder folder;
    const QStringList roots{folder.lang};
    struct Case {
        const char* langfile;
        const char* after;
    };
    const Case cases[] = {
        {"french.rcc", "french.rcc"},  {"default", "default"},        {"none", "default"},
        {"gone.rcc", "default"},       {"empty.rcc", "default"},      {"truncated.rcc", "default"},
        {"text.rcc", "default"},       {"folder.rcc", "default"},     {"../lang/french.rcc", "default"},
        {"sub/french.rcc", "default"}, {"..\\french.rcc", "default"}, {"", "default"},
        {"bare.rcc", "bare.rcc"},      {"notes.txt", "notes.txt"},
    };
    LanguageHandle handle;
    for (const Case& c : cases) {
        QString langfile = QString::fromUtf8(c.langfile);
        ApplyLanguage(handle, langfile, roots);
        EXPECT_EQ(langfile, QString::fromUtf8(c.after)) << c.langfile;
        EXPECT_EQ(handle.isLoaded(), langfile != u"default") << c.langfile;
        const bool french = langfile == u"french.rcc" || langfile == u"notes.txt";
        EXPECT_EQ(StringText(5), french ? QStringLiteral("Général") : QStringLiteral("General")) << c.langfile;
    }
    ReleaseLanguage(handle);
    EXPECT_FALSE(handle.isLoaded());
    EXPECT_EQ(StringText(36), QStringLiteral("Page number : "));
}

TEST(LanguageEntries, BuiltInRowFirstThenEachModuleFileByWhetherItLoads)
{
    LangFolder folder;
    // A second root whose French module is hidden by the first root's, and a module only it has.
    folder.dir.write("more/french.rcc", "hidden");
    folder.dir.write("more/extra.rcc", folder.french);
    const QStringList roots{folder.lang, folder.dir.path() + "more/", folder.dir.path() + "nowhere/"};
    const std::vector<LanguageEntry> entries = LanguageEntries(roots);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].description, QStringLiteral("Default (English)"));
    EXPECT_EQ(entries[0].note, QStringLiteral("resource included within exec"));
    EXPECT_FALSE(entries[0].icon.isNull());

    using Row = std::tuple<QString, QString, bool>; // note, description, has an icon
    std::set<Row> rows;
    QStringList notes;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        rows.insert({entries[i].note, entries[i].description, !entries[i].icon.isNull()});
        notes << entries[i].note;
    }
    EXPECT_EQ(notes, LanguageModuleNames(roots));
    const std::set<Row> expected = {
        {"french.rcc", "Français", true},
        {"extra.rcc", "Français", true},
        {"bare.rcc", "bare", false},
        {"empty.rcc", "Wrong language file", false},
        {"truncated.rcc", "Wrong language file", false},
        {"text.rcc", "Wrong language file", false},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(LanguageEntries({}).size(), 1u);
}

TEST(LanguageEntries, FiveHundredFilesAreFiveHundredRows)
{
    ScratchDir dir;
    const QByteArray french = ReadWholeFile(kFrench);
    for (int i = 0; i < 500; ++i)
        dir.write(QStringLiteral("m%1.rcc").arg(i), i % 2 ? french : french.left(i));
    const std::vector<LanguageEntry> entries = LanguageEntries({dir.path()});
    ASSERT_EQ(entries.size(), 501u);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const LanguageEntry& e) { return e.description == u"Français"; }),
              250);
}

TEST(LanguageSelectionDialog, FortyPixelRowsDoubleClickChoosesClosingChoosesOnlyAtTheFirstStart)
{
    LangFolder folder;
    LanguageSelectionDialog dialog(LanguageEntries({folder.lang}));
    dialog.show();
    QListWidget* list = dialog.list();
    ASSERT_GE(list->count(), 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Language Selection (double-click to select)"));
    EXPECT_EQ(list->objectName(), QStringLiteral("1027"));
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 40);
    const QString secondNote = LanguageEntries({folder.lang})[1].note;
    for (int row : {1, 0}) {
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.chosenLangfile(), row == 0 ? QStringLiteral("default") : secondNote);
    }

    for (const char* before : {"none", "french.rcc"}) {
        QString langfile = QString::fromLatin1(before);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        RunLanguageSelection(langfile, {folder.lang}, nullptr);
        EXPECT_EQ(langfile, QString::fromLatin1(before == QByteArray("none") ? "default" : before));
    }
}
