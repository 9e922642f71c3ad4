// SPDX-License-Identifier: GPL-3.0-or-later
// Language modules: which files load (never one outside the lang folders), what each row of the
// selection list shows, and the dialog's double click and close.

#include "dialogs/LanguageModules.h"
#include "common/StringTable.h"
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
#include <sys/stat.h>

namespace {
const QByteArray kFrench = ReadWholeFile(QStringLiteral(BV_BINARY_DIR "/lang/french.rcc"));

// lang/ with the French module, a module made here with the build's tools whose catalogue has one text
// (not string 1) and no icon, and files that are no module.
void writeLangFolder(const ScratchDir& dir)
{
    for (const auto& [name, bytes] : {std::pair{"french.rcc", kFrench},
                                      {"empty.rcc", QByteArray()},
                                      {"truncated.rcc", kFrench.chopped(9)},
                                      {"text.rcc", "Bonjour\n"},
                                      {"notes.txt", kFrench},
                                      {"sub/french.rcc", kFrench}})
        dir.write(QStringLiteral("lang/") + name, bytes);
    QDir().mkpath(dir.file("lang/folder.rcc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("lang/fifo.rcc")).constData(), 0600), 0); // never waited on
    dir.write("one.ts",
              "<TS version=\"2.1\"><context><name>GeneralPage</name><message><source>Add All</source>"
              "<translation>Alle zuordnen</translation></message></context></TS>");
    dir.write("bundle.qrc", "<RCC><qresource><file>catalogue.qm</file></qresource></RCC>");
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    for (const auto& [program, arguments] :
         {std::pair{BV_LRELEASE, QStringList{"-silent", "one.ts", "-qm", "catalogue.qm"}},
          {BV_RCC, {"--binary", "--no-compress", "-o", "lang/bare.rcc", "bundle.qrc"}}}) {
        tool.start(QString::fromUtf8(program), arguments);
        ASSERT_TRUE(tool.waitForFinished() && tool.exitCode() == 0) << program;
    }
}
} // namespace

TEST(LanguageModule, NoCutOrBentBundleIsReadPastItsBytes)
{
    ASSERT_TRUE(IsWholeBundle(kFrench));
    for (qsizetype size = 0; size < kFrench.size(); ++size)
        ASSERT_FALSE(IsWholeBundle(kFrench.left(size))) << size;
    // Each byte of the header and the tree set to values pointing anywhere: judged without a read outside
    // the bytes (the sanitizers watch), and whatever passes still loads cleanly.
    ScratchDir dir;
    const qsizetype tree = qFromBigEndian<quint32>(kFrench.constData() + 8);
    for (qsizetype at = 0; at < kFrench.size(); at = at == 23 ? tree : at + 1)
        for (char value : {'\x00', '\x01', '\x7f', '\xff'}) {
            QByteArray bent = kFrench;
            bent[at] = value;
            LanguageModule().load(dir.write("bent.rcc", bent));
        }
    QByteArray loop = kFrench; // the root as its own child
    qToBigEndian<quint32>(0, loop.data() + tree + 10);
    EXPECT_FALSE(IsWholeBundle(loop));
}

TEST(LanguageModule, ApplyLoadsWholeModulesInsideTheLangFoldersOnlyElseTheBuiltInLanguage)
{
    ScratchDir dir;
    writeLangFolder(dir);
    const QStringList kept = {"french.rcc", "default", "bare.rcc", "notes.txt"};
    const QStringList refused = {"none",     "gone.rcc",   "empty.rcc",          "truncated.rcc",  "text.rcc",
                                 "fifo.rcc", "folder.rcc", "../lang/french.rcc", "sub/french.rcc", "..\\french.rcc",
                                 ""};
    LanguageHandle handle;
    for (const QString& before : kept + refused) {
        QString langfile = before;
        ApplyLanguage(handle, langfile, {dir.file("lang/")});
        EXPECT_EQ(langfile, kept.contains(before) ? before : QStringLiteral("default")) << before.toStdString();
        EXPECT_EQ(handle.isLoaded(), langfile != u"default") << before.toStdString();
        const bool french = langfile == u"french.rcc" || langfile == u"notes.txt";
        EXPECT_EQ(StringText(5), QString::fromUtf8(french ? "Général" : "General")) << before.toStdString();
    }
    ReleaseLanguage(handle);
    EXPECT_EQ(StringText(36), QStringLiteral("Page number : "));
}

TEST(LanguageEntries, BuiltInRowFirstThenEachModuleFileByWhetherItLoads)
{
    ScratchDir dir;
    writeLangFolder(dir);
    dir.write("more/french.rcc", "hidden by the first folder's");
    dir.write("more/extra.rcc", kFrench);
    const QStringList roots{dir.file("lang/"), dir.file("more/"), dir.file("nowhere/")};
    const std::vector<LanguageEntry> entries = LanguageEntries(roots);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].description + '|' + entries[0].note, "Default (English)|resource included within exec");
    EXPECT_FALSE(entries[0].icon.isNull());
    std::set<std::tuple<QString, QString, bool>> rows; // note, description, has an icon
    QStringList notes;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        rows.insert({entries[i].note, entries[i].description, !entries[i].icon.isNull()});
        notes << entries[i].note;
    }
    EXPECT_EQ(notes, LanguageModuleNames(roots)) << "in the order the folders list them";
    const QString wrong = QStringLiteral("Wrong language file");
    EXPECT_EQ(rows,
              (std::set<std::tuple<QString, QString, bool>>{{"french.rcc", "Français", true},
                                                            {"extra.rcc", "Français", true},
                                                            {"bare.rcc", "bare", false},
                                                            {"empty.rcc", wrong, false},
                                                            {"truncated.rcc", wrong, false},
                                                            {"text.rcc", wrong, false}}));

    ScratchDir many;
    for (int i = 0; i < 500; ++i)
        many.write(QStringLiteral("m%1.rcc").arg(i), i % 2 ? kFrench : kFrench.left(i));
    EXPECT_EQ(LanguageEntries({many.path()}).size(), 501u);
}

TEST(LanguageSelectionDialog, FortyPixelRowsDoubleClickOrEnterChoosesClosingChoosesOnlyAtTheFirstStart)
{
    ScratchDir dir;
    writeLangFolder(dir);
    const QStringList roots{dir.file("lang/")};
    LanguageSelectionDialog dialog(LanguageEntries(roots), QStringLiteral("none"));
    dialog.show();
    QListWidget* list = dialog.list();
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 40);
    for (int row : {1, 0}) {
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(dialog.chosenLangfile(), row == 0 ? QStringLiteral("default") : LanguageModuleNames(roots).at(0));
    }
    // The language in use is the row selected at opening, and Enter chooses as a double click does.
    const QString module = LanguageModuleNames(roots).at(0);
    LanguageSelectionDialog inUse(LanguageEntries(roots), module);
    EXPECT_EQ(inUse.list()->currentRow(), 1);
    QTest::keyClick(inUse.list(), Qt::Key_Down);
    QTest::keyClick(inUse.list(), Qt::Key_Return);
    EXPECT_EQ(inUse.chosenLangfile(), LanguageModuleNames(roots).value(1));
    for (const auto& [before, after] : {std::pair{"none", "default"}, {"french.rcc", "french.rcc"}}) {
        QString langfile = QString::fromLatin1(before);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        RunLanguageSelection(langfile, roots, nullptr);
        EXPECT_EQ(langfile, QString::fromLatin1(after));
    }
}
