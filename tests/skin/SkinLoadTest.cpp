// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a skin by name with the fall back to "default", and the skins the build draws.

#include "skin/SkinLoad.h"
#include "skin/SkinGeometry.h"

#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
const QByteArray kGood = "INIT:0|1|0|0|\nBUTTON:1|1|4|4|0|0|back|EOD\n";
} // namespace

// A broken custom skin says why and switches to "default"; a broken default says so and nothing loads.
TEST(SkinLoad, ABrokenSkinFallsBackToDefaultOnce)
{
    const struct {
        const char* name;
        QByteArray layout;
        const char* missing;
        QString cause;   // the first message, empty when none is shown
        QString outcome; // the caption of the last message
        bool loaded;
    } cases[] = {
        {"blue", kGood, "", "", "", true},
        {"blue", "SIZE:1|2|3|4|EOD\n", "", "Error: no INIT first ", "Switching...", true},
        {"blue", kGood, "font", "Error while loading font file", "Switching...", true},
        {"../blue", kGood, "", "Error: opening file", "Switching...", true},
        {"default", "INIT:1|2\n", "", "ERROR: INIT sentence is not complete", "Error: cannot load default skin", false},
        {"default", kGood, "background", "Error while loading background file", "Error: can't load bitmaps", false},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        // The skin asked for, or the default when that is asked for, is the broken one.
        const bool brokenIsDefault = c.name == QString("default");
        WriteSkin(dir, "blue", brokenIsDefault ? kGood : c.layout, brokenIsDefault ? "" : c.missing);
        WriteSkin(dir, "default", brokenIsDefault ? c.layout : "INIT:0|0|0|0|\n", brokenIsDefault ? c.missing : "");
        Messages said;
        SkinLayout layout;
        SkinBitmaps bitmaps;
        QString skinname = c.name;
        EXPECT_EQ(LoadSkinOrDefault(layout, bitmaps, skinname, {dir.file("none/"), dir.path()}, said), c.loaded)
            << c.name;
        EXPECT_EQ(std::tuple(said.size(), MessageTexts(said).value(0), said.empty() ? QString() : said.back().caption),
                  std::tuple(size_t(c.cause.isEmpty() ? 0 : 2), c.cause, c.outcome))
            << c.name;
        if (c.loaded) {
            EXPECT_EQ(std::pair(skinname, layout.buttons.records.size()),
                      std::pair(c.cause.isEmpty() ? QString(c.name) : "default", size_t(c.cause.isEmpty())));
        }
    }
}

// The skins the build draws load without a word, with their double-size set, and keep their buttons
// within the elements bitmap and apart from each other, the slider and the page counter on the smallest
// window; there the counter still shows "PAGE : 999/999", and the menu button (whose popup menu has
// every command) is there.
TEST(SkinLoad, TheShippedSkinsAreComplete)
{
    const QSize smallest(400, 150);
    for (QString name : {"default", "nocturne"}) {
        Messages said;
        SkinLayout layout;
        SkinBitmaps bitmaps;
        ASSERT_TRUE(LoadSkinOrDefault(layout, bitmaps, name, {BV_BINARY_DIR "/skins/"}, said));
        EXPECT_TRUE(said.empty()) << qPrintable(MessageTexts(said).join('\n'));
        EXPECT_FALSE(bitmaps.background2x.isNull() || bitmaps.elements2x.isNull() || bitmaps.font2x.isNull());
        std::vector<QRect> taken;
        for (const SkinSlider& s : layout.sliders.records)
            taken.push_back(ResolveElement(s.x, s.y, s.width, s.height, smallest));
        for (const SkinText& t : layout.texts.records) {
            const int cells = TextCellCount(TextFieldWidth(t, smallest), t.cellWidth); // the last one partly
            EXPECT_GE(cells - 1, 14) << qPrintable(name);
            taken.push_back(QRect(ResolveTextField(t, smallest).topLeft(), QSize(cells * t.cellWidth, t.cellHeight)));
        }
        bool menu = false;
        for (const SkinButton& b : layout.buttons.records) {
            EXPECT_TRUE(bitmaps.elements.pixels.rect().contains(QRect(b.srcX, b.srcY, b.width, 2 * b.height)));
            taken.push_back(ResolveElement(b.x, b.y, b.width, b.height, smallest));
            menu = menu || b.action == u"menu";
        }
        EXPECT_TRUE(menu) << qPrintable(name);
        for (auto a = taken.begin(); a != taken.end(); ++a)
            EXPECT_TRUE(std::none_of(a + 1, taken.end(), [&](const QRect& b) { return b.intersects(*a); }))
                << qPrintable(name) << " " << a - taken.begin();
    }
}
