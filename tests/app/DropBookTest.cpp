// SPDX-License-Identifier: GPL-3.0-or-later
// Books dropped on the main window: only local files are taken, one item opens as a book, more say so,
// and so does a path that can be no book.

#include "app/MainWindow.h"
#include "support/TestState.h"
#include "view/PageView.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <gtest/gtest.h>

TEST(DropBook, OneLocalFolderOrFileOpensItsBookAndTwoItemsKeepTheOpenOne)
{
    AppState state;
    UseDefaultSettings(state);
    state.settings.preloadnextpage = false;
    MainWindow window(state);
    state.windows = {&window, window.pageView(), window.shelfView()};
    MessageRecorder messages;
    ScratchDir one, two;
    WriteGreyPages(one, 1, QSize(8, 8), 1);
    const QUrl page = QUrl::fromLocalFile(two.file(WriteGreyPages(two, 1, QSize(8, 8), 1).front()));
    // Drags `urls` over the window and, if it takes them, drops them there; whether it took them.
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false; // Qt delivers a drop only to the target the drag entered
        QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
        QCoreApplication::processEvents(); // the book opens once the drop is answered
        return true;
    };
    EXPECT_FALSE(drop({}) || drop({QUrl::fromLocalFile(one.path()), QUrl("https://example.org/book.cbz")}));
    EXPECT_TRUE(drop({QUrl::fromLocalFile(one.path().chopped(1))}));
    EXPECT_EQ(state.book.BookPath, one.path());
    EXPECT_EQ(window.windowTitle(), "PAGE : 1/1 (" + QDir(one.path()).dirName() + "/)");
    EXPECT_TRUE(drop({page}));
    EXPECT_EQ(state.book.BookDir, two.path());

    EXPECT_TRUE(drop({QUrl::fromLocalFile(one.path()), page}));
    EXPECT_EQ(messages.texts(), QStringList{"Only drag one file at once"});
    EXPECT_EQ(messages.messages()[0].caption, "Error");
    EXPECT_EQ(state.book.BookDir, two.path());
    EXPECT_FALSE(state.book.current.isNull());

    // A path that can't be a book is named in one message and the open book stays.
    const QString missing = one.file("gone.cbz");
    const QString notes = one.write("notes.txt", "x");
    EXPECT_TRUE(drop({QUrl::fromLocalFile(missing)}) && drop({QUrl::fromLocalFile(notes)}));
    EXPECT_EQ(messages.texts(), (QStringList{"Only drag one file at once", "\"" + missing + "\" does not exist",
                                             "\"" + notes + "\" is not a book"}));
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.BookDir, two.path());
}
