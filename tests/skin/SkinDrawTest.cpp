// Where the skin's pieces land on a window and which bitmap pixels they copy.

#include "skin/SkinDraw.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinText.h"

#include "SkinFixture.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {
const QSize kWindow(600, 430);

// Draws with the coordinate bitmaps on a black window picture and hands back the picture.
struct Drawn {
    SkinBitmaps bitmaps;
    QImage picture;
    explicit Drawn(int scale = 1, QSize window = kWindow)
    {
        for (PageImage* image : {&bitmaps.background, &bitmaps.elements, &bitmaps.font})
            image->pixels = CoordinateImage(800, 100);
        picture = QImage(window * scale, QImage::Format_RGB32);
        picture.fill(Qt::black);
        m_scale = scale;
        m_window = window;
    }
    template <typename Draw>
    void draw(Draw&& d)
    {
        const SkinArt art = SkinArtForScale(bitmaps, m_scale);
        QPainter painter(&picture);
        SkinCanvas canvas{painter, art, m_window};
        d(canvas);
    }
    // The source pixel the picture shows at (x, y), or (-1, -1) where nothing was drawn.
    QPoint source(int x, int y) const
    {
        const QRgb p = picture.pixel(x, y);
        return qBlue(p) == 0x80 ? QPoint(qRed(p), qGreen(p)) : QPoint(-1, -1);
    }

private:
    int m_scale = 1;
    QSize m_window;
};
} // namespace

TEST(SkinGeometry, NegativeValuesCountFromTheEdges)
{
    EXPECT_EQ(ResolveRegion({0, 0, -10, -10, 0, 0, 50, 50, 1}, kWindow), QRect(0, 0, 590, 420));
    EXPECT_EQ(ResolveRegion({-100, -50, -10, 20, 0, 0, 1, 1, 1}, kWindow), QRect(500, 380, 90, 20));
    EXPECT_EQ(ResolveRegion({700, 0, -10, 5, 0, 0, 1, 1, 1}, kWindow).width(), 0); // ends before it starts
    EXPECT_EQ(ResolveElement(10, -30, 20, 20, kWindow), QRect(10, 400, 20, 20));
    SkinText text;
    text.x = 5, text.y = 5, text.width = -5, text.cellHeight = 12;
    EXPECT_EQ(ResolveTextField(text, kWindow), QRect(5, 5, 590, 12));
    const SkinEdges move = ResolveMoveArea({-100, 0, -1, -400}, kWindow);
    EXPECT_EQ(std::tuple(move.x1, move.x2, move.y2), std::tuple(500, 599, 30));
    const SkinEdges grip = ResolveSizeArea({-16, -16, -1, -1}, kWindow);
    EXPECT_EQ(std::tuple(grip.x1, grip.y1, grip.x2, grip.y2), std::tuple(584, 414, 1200, 860));
    EXPECT_FALSE(grip.contains({584, 420}));
    EXPECT_TRUE(grip.contains({585, 429}));
    const QRect huge = ResolveRegion({INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 1, 1, 1}, kWindow);
    EXPECT_TRUE(huge.width() == 0 || huge.x() + huge.width() <= kSkinCoordLimit);
}

TEST(SkinGeometry, SliderValuesKnobsAndCells)
{
    SkinLayout layout;
    layout.sliders.records = {{0, 0, 80, 10, 0, 0, 0, 0, "zoom"}, {0, 0, 80, 10, 0, 0, 0, 0, "other"}};
    const struct {
        int percent, value, knob;
    } cases[] = {{50, 40, 40}, {0, 0, 5}, {100, 80, 75}, {5, 4, 5}, {250, 80, 75}};
    for (const auto& c : cases) {
        SetSliderValue(layout, u"zoom", c.percent);
        EXPECT_EQ(std::pair(layout.sliders.records[0].value, layout.sliders.records[0].knob), std::pair(c.value, c.knob));
        EXPECT_EQ(layout.sliders.records[1].value, 0);
    }
    EXPECT_EQ(SliderPercent({0, 0, 0, 10, 0, 0, 40, 5, "zoom"}), 0); // no width, no division

    EXPECT_EQ(TextCellCount(100, 8), 13);
    EXPECT_EQ(TextCellCount(100, 0), 0);
    EXPECT_EQ(TextCellCount(1 << 30, 1), 255);
    EXPECT_EQ(TextCellCount(-20, 8), 0);
    EXPECT_EQ(TileGrid({120, 60}, {50, 50}), QSize(2, 1));
    EXPECT_EQ(TileGrid({120, 60}, {0, 50}), QSize(0, 0));
}

TEST(SkinText, GlyphsAreCapitalsWithoutAccents)
{
    const auto glyphs = SkinGlyphsFor(QString::fromLatin1("Page : 3/12 (\xe9t\xe9)"));
    const std::vector<int> expected{48, 33, 39, 37, 0, 26, 0, 19, 15, 17, 18, 0, 8, 37, 52, 37, 9};
    EXPECT_EQ(std::vector<int>(glyphs.begin(), glyphs.begin() + 17), expected);
    EXPECT_TRUE(std::all_of(glyphs.begin() + 17, glyphs.end(), [](int g) { return g == 0; }));
    const auto others = SkinGlyphsFor(QString::fromUtf8("\xc3\xb1\xe2\x82\xac\x01\xf0\x9f\x98\x80\xc3\x87~"));
    EXPECT_EQ(std::vector<int>(others.begin(), others.begin() + 6), (std::vector<int>{0, 0, 0, 0, 35, 94}));

    SkinLayout layout;
    layout.texts.records.resize(2);
    layout.texts.records[0].name = layout.texts.records[1].name = "main";
    SkinTexts texts;
    SetSkinText(layout, texts, "main", "AB");
    EXPECT_EQ(layout.texts.records[1].glyphs[1], 34);
    EXPECT_EQ(SkinTextOf(texts, "main"), "AB");
}

TEST(SkinDraw, ButtonsShowTheirUpOrDownRows)
{
    SkinLayout layout;
    layout.buttons.records = {{5, 5, 10, 20, 0, 40, "back"}};
    const struct {
        QPoint point;
        bool released;
        int row, hot;
    } cases[] = {{{-1, -1}, false, 40, -1}, {{10, 10}, false, 60, 0}, {{10, 10}, true, 40, 0}, {{5, 10}, false, 40, -1}};
    for (const auto& c : cases) {
        Drawn d;
        d.draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, c.point, c.released, {}); });
        EXPECT_EQ(d.source(5, 5), QPoint(0, c.row));
        EXPECT_EQ(d.source(14, 24), QPoint(9, c.row + 19));
        EXPECT_EQ(layout.hotButton, c.hot);
    }
}

TEST(SkinDraw, ASliderDrawsFilledEmptyAndKnob)
{
    SkinLayout layout;
    layout.sliders.records = {{100, 50, 80, 10, 0, 0, 0, 5, "zoom"}};
    Drawn d;
    d.draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, {120, 55}, false, {}); });
    const SkinSlider& s = layout.sliders.records[0];
    EXPECT_EQ(std::tuple(layout.hotSlider, s.value, s.knob, SliderPercent(s)), std::tuple(0, 20, 20, 25));
    EXPECT_EQ(d.source(100, 50), QPoint(0, 10)); // filled track
    EXPECT_EQ(d.source(170, 50), QPoint(70, 0)); // empty track
    EXPECT_EQ(d.source(115, 50), QPoint(80, 10)); // the pressed knob at 20 - 5

    d.draw([&](SkinCanvas& canvas) { DrawSliderDrag(canvas, layout, 1000, 0); });
    EXPECT_EQ(std::pair(s.value, s.knob), std::pair(80, 75));
    d.draw([&](SkinCanvas& canvas) { DrawSliderDrag(canvas, layout, 0, 7); }); // no such slider
}

TEST(SkinDraw, ATextDrawsOneCellMoreThanFits)
{
    SkinLayout layout;
    SkinText text;
    text.x = 10, text.y = 10, text.width = 100, text.cellWidth = 8, text.cellHeight = 12, text.srcY = 20;
    text.name = "main";
    layout.texts.records = {text};
    SkinTexts texts;
    SetSkinText(layout, texts, "main", "ABCDEFGHIJKLMNOP");
    Drawn d;
    d.draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, {-1, -1}, false, {}); });
    EXPECT_EQ(d.source(10, 10), QPoint((33 * 8) & 255, 20));          // "A" is cell 33
    EXPECT_EQ(d.source(10 + 12 * 8, 10), QPoint((45 * 8) & 255, 20)); // the 13th cell, "M"
    EXPECT_EQ(d.source(10 + 13 * 8, 10), QPoint(-1, -1));
}

TEST(SkinDraw, TilesAreWholeAndScalingFillsTheRegion)
{
    SkinLayout layout;
    layout.regions.records = {{0, 0, 120, 60, 10, 20, 50, 50, 0}, {200, 0, 100, 20, 0, 0, 50, 10, 1}};
    Drawn d;
    d.draw([&](SkinCanvas& canvas) { DrawSkinRegions(canvas, layout); });
    EXPECT_EQ(d.source(0, 0), QPoint(10, 20));
    EXPECT_EQ(d.source(50, 49), QPoint(10, 69)); // the second tile, side by side
    EXPECT_EQ(d.source(99, 0), QPoint(59, 20));
    EXPECT_EQ(d.source(100, 0), QPoint(-1, -1)); // the last 20 columns ...
    EXPECT_EQ(d.source(0, 50), QPoint(-1, -1));  // ... and 10 rows stay undrawn
    EXPECT_EQ(d.source(299, 19), QPoint(49, 9));  // scaled by two
}

TEST(SkinDraw, NothingIsReadOutsideTheBitmaps)
{
    SkinLayout layout;
    layout.regions.records = {{0, 0, -1, -1, 795, 95, 10, 10, 0},          // partly outside, tiled
                              {0, 0, INT32_MAX, 1, 0, 0, 1, 1, 0},         // a million tiles of one pixel
                              {0, 0, 10, 10, INT32_MAX, INT32_MAX, 5, 5, 1}, // wholly outside
                              {0, 0, 10, 10, 0, 0, INT32_MIN, 5, 1},
                              {-20, 5, -5, -5, INT32_MAX, 4, 4, 1, 0}}; // many tiles from nowhere (found by fuzzing)
    layout.buttons.records = {{305, 305, 20, 20, -10, 90, "open"}};
    Drawn d;
    d.draw([&](SkinCanvas& canvas) {
        DrawSkinRegions(canvas, layout);
        DrawSkinElements(canvas, layout, {-1, -1}, false, {});
    });
    EXPECT_EQ(d.source(0, 1), QPoint(795 & 255, 96));
    EXPECT_EQ(d.source(5, 1), QPoint(-1, -1)); // the part of the tile beyond the bitmap is left out
    EXPECT_EQ(d.source(10, 1), QPoint(795 & 255, 96));
    EXPECT_EQ(d.source(305, 305), QPoint(-1, -1));
    EXPECT_EQ(d.source(315, 305), QPoint(0, 90));
    EXPECT_EQ(d.source(315, 315), QPoint(-1, -1));
}

TEST(SkinDraw, AtTwoDevicePixelsTheDoubleSetIsCopiedOneToOne)
{
    SkinLayout layout;
    layout.buttons.records = {{5, 5, 10, 10, 3, 4, "back"}};
    Drawn enlarged(2);
    enlarged.draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, {-1, -1}, false, {}); });
    EXPECT_EQ(enlarged.source(11, 11), QPoint(3, 4)); // one source pixel covers two by two
    Drawn doubled(2);
    doubled.bitmaps.elements2x = CoordinateImage(1600, 200);
    doubled.draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, {-1, -1}, false, {}); });
    EXPECT_EQ(doubled.source(11, 11), QPoint(7, 9));
}
