// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog at every screen scale, in English and in French: no visible control overlaps a visible
// sibling or leaves its parent, and every text fits the control that shows it. Qt fixes the scale when
// the application starts, so each scale runs this program again with QT_SCALE_FACTOR set.

#include "app/CommandTable.h"
#include "app/FixedKeys.h"
#include "dialogs/BookChoiceDialog.h"
#include "dialogs/JumpDialog.h"
#include "dialogs/LanguageModules.h"
#include "dialogs/info/InfoDialog.h"
#include "dialogs/lang/LanguageEntries.h"
#include "dialogs/lang/LanguageSelectionDialog.h"
#include "dialogs/preferences/PreferencesFrame.h"
#include "support/TestState.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace {
constexpr char kScaleVariable[] = "BV_LAYOUT_SCALE"; // set for the child that checks one scale

QString nameOf(const QWidget& w)
{
    const QString id = w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return id + QStringLiteral(" \"") + button->text() + u'"';
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return id + QStringLiteral(" \"") + label->text().left(30) + u'"';
    return id;
}

// Controls whose children are the toolkit's own parts, not ours to place.
bool isWholeControl(const QWidget& w)
{
    return qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QComboBox*>(&w)
        || qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QLineEdit*>(&w)
        || qobject_cast<const QAbstractSlider*>(&w) || qobject_cast<const QAbstractButton*>(&w);
}

// How far the widest text a control shows reaches past the room it has for it, across or down (0 or
// less: it fits).
int overflow(QSize needed, QSize room)
{
    return std::max(needed.width() - room.width(), needed.height() - room.height());
}

int textOverflow(const QWidget& w)
{
    const QFontMetrics metrics = w.fontMetrics();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(&w) ? QStyle::SE_CheckBoxContents
            : qobject_cast<const QRadioButton*>(&w)                            ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
        return overflow(metrics.size(Qt::TextShowMnemonic, button->text()),
                        w.style()->subElementRect(contents, &option, &w).size());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) - label->height();
        const int inset = 2 * label->margin() + std::max(label->indent(), 0);
        return overflow(metrics.size(0, label->text()), label->contentsRect().size() - QSize(inset, 0));
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        // A short field must hold its longest content: 3 digits for a field of 3.
        const QString widest = edit->maxLength() <= 5 ? QString(edit->maxLength(), u'9') : edit->text();
        return overflow(QSize(metrics.horizontalAdvance(widest) + 6, metrics.height()), edit->size());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&w))
        return overflow(group->minimumSizeHint(), group->size());
    if (const auto* combo = qobject_cast<const QComboBox*>(&w))
        return overflow(combo->sizeHint(), combo->size());
    if (const auto* list = qobject_cast<const QListWidget*>(&w)) {
        int most = INT_MIN;
        for (int row = 0; row < list->count(); ++row)
            most = std::max(most, metrics.horizontalAdvance(list->item(row)->text()) + 8 - list->viewport()->width());
        return most;
    }
    return INT_MIN;
}

// Every visible child of `parent`, down the tree: inside its parent, clear of its siblings, its text
// within it.
void checkChildren(const QWidget& parent, const QString& where, QStringList& faults)
{
    QList<const QWidget*> shown;
    for (const QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow())
            shown.append(child);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget& w = *shown[i];
        const QString name = where + QStringLiteral(" / ") + nameOf(w);
        if (!parent.rect().contains(w.geometry()))
            faults << name + QStringLiteral(" leaves its parent");
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (w.geometry().intersects(shown[j]->geometry()))
                faults << name + QStringLiteral(" overlaps ") + nameOf(*shown[j]);
        if (const int lacking = textOverflow(w); lacking > 0)
            faults << name + QStringLiteral(" lacks ") + QString::number(lacking) + QStringLiteral(" px for its text");
        if (!isWholeControl(w))
            checkChildren(w, name, faults);
    }
}

QStringList faultsOf(QWidget& window, const QString& where)
{
    window.show();
    QApplication::processEvents();
    QStringList faults;
    // A window taller or wider than the screen is squeezed by the window manager below what it asks.
    const QSize room = window.screen()->availableGeometry().size();
    if (window.frameGeometry().width() > room.width() || window.frameGeometry().height() > room.height())
        faults << where
                + QStringLiteral(" is larger than the screen: %1 x %2")
                      .arg(window.frameGeometry().width())
                      .arg(window.frameGeometry().height());
    checkChildren(window, where, faults);
    return faults;
}

QStringList everyDialogsFaults(AppState& state, const QString& language)
{
    ScratchDir skins;
    for (const char* name : {"default", "nocturne"})
        QDir().mkpath(skins.file(QLatin1String(name)));
    ScratchDir book;
    const QString info = book.write(QStringLiteral("info.bdi"), "Title=Les Aventures\nAuthor=Someone\n");

    QStringList faults;
    PreferencesFrame frame({state.settings, {skins.path()}, {}, ControlsPageNames()});
    for (int page = 0; page < PreferencesFrame::PageCount; ++page) {
        frame.pageList()->setCurrentRow(page);
        faults << faultsOf(frame, language + QStringLiteral(" Preferences ") + QString::number(page));
    }
    JumpDialog jump(2, 240);
    faults << faultsOf(jump, language + QStringLiteral(" Jump"));
    InfoDialog infoDialog({QStringLiteral("/books/Les Aventures.cbz"), 2, 24, info});
    faults << faultsOf(infoDialog, language + QStringLiteral(" Info"));
    BookTree tree;
    for (const char* path : {"Tome 1/", "Tome 2/Chapitre 1/", "Tome 2/Chapitre 2/"})
        InsertFolderPath(tree, QLatin1String(path));
    BookChoiceDialog chooser(tree, ArchiveFamily::Zip);
    faults << faultsOf(chooser, language + QStringLiteral(" Books"));
    LanguageSelectionDialog languages(LanguageEntries({QStringLiteral(BV_BINARY_DIR "/lang/")}),
                                      state.settings.langfile);
    faults << faultsOf(languages, language + QStringLiteral(" Languages"));
    return faults;
}
} // namespace

TEST(DialogLayout, NothingOverlapsOrIsCutAtAnyScale)
{
    // A common desktop screen, 1920 x 1080 pixels: at scale 2 it has room for 960 x 540.
    ScratchDir dir;
    const QString screen = dir.write(QStringLiteral("screen.json"),
                                     R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    for (const char* scale : {"1", "1.25", "1.5", "2"}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screen);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(scale));
        environment.insert(QLatin1String(kScaleVariable), QLatin1String(scale));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=DialogLayout.AtTheScaleGiven")});
        ASSERT_TRUE(child.waitForFinished(120000)) << scale;
        EXPECT_EQ(child.exitCode(), 0) << "at scale " << scale << ":\n" << child.readAll().toStdString();
    }
}

TEST(DialogLayout, AtTheScaleGiven)
{
    if (qEnvironmentVariableIsEmpty(kScaleVariable))
        GTEST_SKIP() << "run by NothingOverlapsOrIsCutAtAnyScale, once per scale";
    AppState state;
    UseDefaultSettings(state);
    state.settings.mousewheelval = 999;
    QStringList faults = everyDialogsFaults(state, QStringLiteral("English"));
    state.settings.langfile = QStringLiteral("french.rcc");
    ApplyLanguage(state.language, state.settings.langfile, {QStringLiteral(BV_BINARY_DIR "/lang/")});
    ASSERT_TRUE(state.language.isLoaded());
    faults << everyDialogsFaults(state, QStringLiteral("French"));
    ReleaseLanguage(state.language);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}
