#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "view/PageView.h"

#include "TestSupport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class MainWindowDrop : public ::testing::Test {
protected:
    MainWindowDrop()
    {
        state.settings = ReadSettings(SettingsReader(), dir.path());
        state.settings.preloadnextpage = false;
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView()};
        QDir().mkpath(dir.file("book"));
        QImage page(8, 8, QImage::Format_RGB32);
        page.fill(Qt::red);
        page.save(dir.file("book/p.png"));
    }
    ~MainWindowDrop() override { state.windows = {}; }

    bool enterAccepted(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        return enter.isAccepted();
    }

    void drop(const QList<QUrl>& urls)
    {
        ASSERT_TRUE(enterAccepted(urls)); // Qt delivers a drop only to the target the drag entered
        QMimeData data;
        data.setUrls(urls);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &event);
        QCoreApplication::processEvents(); // the book opens once the drop is answered
    }

    ScratchDir dir;
    AppState state;
    std::unique_ptr<MainWindow> window;
    MessageRecorder messages;
};
} // namespace

TEST_F(MainWindowDrop, TakesLocalFilesOnly)
{
    EXPECT_TRUE(window->acceptDrops());
    EXPECT_TRUE(enterAccepted({QUrl::fromLocalFile(dir.file("book"))}));
    EXPECT_TRUE(enterAccepted({QUrl::fromLocalFile(dir.file("a")), QUrl::fromLocalFile(dir.file("b"))}));
    EXPECT_FALSE(enterAccepted({QUrl("https://example.org/book.cbz")}));
    EXPECT_FALSE(enterAccepted({}));
}

TEST_F(MainWindowDrop, OneFolderOpensTwoItemsSaySo)
{
    drop({QUrl::fromLocalFile(dir.file("book"))});
    EXPECT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(window->windowTitle(), "PAGE : 1/1 (book/)");

    drop({QUrl::fromLocalFile(dir.file("book")), QUrl::fromLocalFile(dir.file("book/p.png"))});
    EXPECT_EQ(messages.texts(), QStringList{"Only drag one file at once"});
    EXPECT_TRUE(state.book.bookLoaded);
}
