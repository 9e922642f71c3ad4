// Loading a skin by name with the fall back to "default", and the skins the build draws.

#include "skin/SkinBitmaps.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinLayoutFile.h"
#include "skin/SkinLoad.h"

#include "SkinFixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
const QByteArray kGoodLayout = "INIT:0|1|0|0|\nBUTTON:1|1|4|4|0|0|back|EOD\n";
const QString kSwitching = "Switching to default skin because of an error with your custom skin";
const QString kDefaultLayoutBroken = "Your default skin layout.cor seems to be corrupt or was deleted from your "
                                     "\\skins directory. Please re-install either the default skin in the "
                                     "appropriate directory or the application itself.";
const QString kDefaultBitmapsBroken = "One of your bitmap files from the default skin was deleted, re-install the "
                                      "default skin or the application.";
} // namespace

TEST(SkinLoad, ABrokenSkinFallsBackToDefaultOnce)
{
    const struct {
        const char* name;
        QByteArray layout;
        const char* missing;
        QStringList messages;
        bool loaded;
    } cases[] = {
        {"blue", kGoodLayout, "", {}, true},
        {"blue", "SIZE:1|2|3|4|EOD\n", "", {"Error: no INIT first ", kSwitching}, true},
        {"blue", kGoodLayout, "font", {"Error while loading font file", kSwitching}, true},
        {"../blue", kGoodLayout, "", {"Error: opening file", kSwitching}, true},
        {"default", "INIT:1|2\n", "", {"ERROR: INIT sentence is not complete", kDefaultLayoutBroken}, false},
        {"default", kGoodLayout, "background", {"Error while loading background file", kDefaultBitmapsBroken}, false},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        WriteSkin(dir, "blue", c.name == QString("blue") || c.name == QString("../blue") ? c.layout : kGoodLayout,
                  c.missing);
        if (c.name == QString("default"))
            WriteSkin(dir, "default", c.layout, c.missing);
        else
            WriteSkin(dir, "default", "INIT:0|0|0|0|\n");
        MessageRecorder messages;
        SkinLayout layout;
        SkinBitmaps bitmaps;
        QString skinname = c.name;
        EXPECT_EQ(LoadSkinOrDefault(layout, bitmaps, skinname, {dir.file("none/"), dir.path()}), c.loaded) << c.name;
        EXPECT_EQ(messages.texts(), c.messages) << c.name;
        if (c.loaded) {
            EXPECT_EQ(skinname, c.messages.isEmpty() ? QString(c.name) : QString("default"));
            EXPECT_EQ(layout.buttons.records.size(), c.messages.isEmpty() ? 1u : 0u) << c.name;
        }
    }
}

TEST(SkinLoad, ADoubleSizeSetCountsOnlyAtTwiceTheSize)
{
    ScratchDir dir;
    const QString folder = WriteSkin(dir, "s", kGoodLayout);
    CoordinateImage(1600, 200).save(folder + "background@2x.bmp", "BMP");
    CoordinateImage(1600, 199).save(folder + "elements@2x.bmp", "BMP");
    SkinBitmaps bitmaps;
    ASSERT_TRUE(LoadSkinBitmaps(bitmaps, folder));
    EXPECT_FALSE(bitmaps.background2x.isNull());
    EXPECT_TRUE(bitmaps.elements2x.isNull());
    EXPECT_EQ(SkinArtForScale(bitmaps, 2).elements.size(), QSize(1600, 200)); // enlarged instead
}

// The skins the build draws load without a word, carry every command, and keep their buttons apart on
// a window of 450 x 180.
TEST(SkinLoad, TheShippedSkinsAreComplete)
{
    const QStringList commands{"open", "opendir", "openlast", "back", "foward", "jump", "info",
                               "option", "stretch", "flip", "fullscreen", "minimize", "menu", "close"};
    for (const QString name : {"default", "nocturne"}) {
        const QString dir = QStringLiteral(BV_BINARY_DIR "/skins/") + name + "/";
        MessageRecorder messages;
        SkinLayout layout;
        SkinBitmaps bitmaps;
        ASSERT_TRUE(LoadSkinLayout(layout, dir) && LoadSkinBitmaps(bitmaps, dir)) << qPrintable(name);
        EXPECT_TRUE(messages.texts().isEmpty()) << qPrintable(messages.texts().join('\n'));
        EXPECT_FALSE(bitmaps.background2x.isNull() || bitmaps.elements2x.isNull() || bitmaps.font2x.isNull());

        QStringList actions;
        for (const SkinButton& b : layout.buttons.records) {
            actions << b.action;
            EXPECT_TRUE(bitmaps.elements.pixels.rect().contains(QRect(b.srcX, b.srcY, b.width, 2 * b.height)));
        }
        for (const QString& command : commands)
            EXPECT_TRUE(actions.contains(command)) << qPrintable(name + ": " + command);
        ASSERT_EQ(layout.sliders.records.size(), 1u);
        EXPECT_EQ(layout.sliders.records[0].name, "zoom");
        ASSERT_EQ(layout.texts.records.size(), 1u);
        const SkinText& text = layout.texts.records[0];
        EXPECT_EQ(text.name, "main");
        EXPECT_GE(bitmaps.font.width(), text.srcX + 64 * text.cellWidth); // codes 32 to 95 at least

        for (const QSize window : {QSize(450, 180), QSize(1600, 1000)}) {
            std::vector<QRect> taken;
            for (const SkinButton& b : layout.buttons.records)
                taken.push_back(ResolveElement(b.x, b.y, b.width, b.height, window));
            const SkinSlider& s = layout.sliders.records[0];
            taken.push_back(ResolveElement(s.x, s.y, s.width, s.height, window));
            for (size_t i = 0; i < taken.size(); ++i)
                for (size_t j = i + 1; j < taken.size(); ++j)
                    EXPECT_FALSE(taken[i].intersects(taken[j])) << qPrintable(name) << " " << i << " " << j;
        }
    }
}
