// SPDX-License-Identifier: GPL-3.0-or-later
// Where the skin's pieces land on a window and which bitmap pixels they copy.

#include "skin/SkinDraw.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinText.h"

#include "TestSupport.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {
const QSize kWindow(600, 430);

// Draws with the coordinate bitmaps on a black window picture of `scale` device pixels a pixel.
struct Drawn {
    int scale = 1;
    SkinBitmaps bitmaps;
    QImage picture;
    explicit Drawn(int s = 1) : scale(s), picture(kWindow * s, QImage::Format_RGB32)
    {
        for (PageImage* image : {&bitmaps.background, &bitmaps.elements, &bitmaps.font})
            image->pixels = CoordinateImage(800, 100);
        picture.fill(Qt::black);
    }
    void draw(const std::function<void(SkinCanvas&)>& d)
    {
        QPainter painter(&picture);
        SkinCanvas canvas{painter, SkinArtForScale(bitmaps, scale), kWindow};
        d(canvas);
    }
    void elements(SkinLayout& layout, QPoint pointer = {-1, -1}, bool released = false)
    {
        draw([&](SkinCanvas& canvas) { DrawSkinElements(canvas, layout, pointer, released, {}); });
    }
    // The source pixel the picture shows at (x, y), or (-1, -1) where nothing was drawn.
    QPoint source(int x, int y) const
    {
        const QRgb p = picture.pixel(x, y);
        return qBlue(p) == 0x80 ? QPoint(qRed(p), qGreen(p)) : QPoint(-1, -1);
    }
};
} // namespace

TEST(SkinGeometry, NegativeValuesCountFromTheEdgesAndNothingRunsAway)
{
    EXPECT_EQ(ResolveRegion({-100, -50, -10, 20, 0, 0, 1, 1, 1}, kWindow), QRect(500, 380, 90, 20));
    EXPECT_EQ(ResolveRegion({700, 0, -10, 5, 0, 0, 1, 1, 1}, kWindow).width(), 0); // ends before it starts
    EXPECT_EQ(std::tuple(TextCellCount(100, 0), TextCellCount(1 << 30, 1), TextCellCount(-20, 8)),
              std::tuple(0, 255, 0));
    EXPECT_EQ(TileGrid({120, 60}, {0, 50}), QSize(0, 0));
}

// A button shows its upper row but while held down over it (its left edge is not on it); each shows
// the row's whole 10 x 20.
TEST(SkinDraw, AButtonShowsItsLowerRowOnlyWhileHeld)
{
    for (const auto& [pointer, released, row] : {std::tuple{QPoint(-1, -1), false, 40},
                                                 {QPoint(10, 10), false, 60},
                                                 {QPoint(10, 10), true, 40},
                                                 {QPoint(5, 10), false, 40}}) {
        SkinLayout layout;
        layout.buttons.records = {{5, 5, 10, 20, 0, 40, "back"}};
        Drawn d;
        d.elements(layout, pointer, released);
        EXPECT_EQ(std::pair(d.source(5, 5), d.source(14, 24)), std::pair(QPoint(0, row), QPoint(9, row + 19)))
            << pointer.x() << " " << released;
    }
}

// Regions and a button drawn with no pointer; each probe names the source pixel a window pixel shows,
// (-1, -1) for none.
TEST(SkinDraw, PiecesCopyTheirPixels)
{
    const QPoint none(-1, -1);
    const struct {
        const char* what;
        std::vector<SkinRegion> regions;
        std::vector<SkinButton> buttons;
        std::vector<std::pair<QPoint, QPoint>> probes;
    } cases[] = {
        {"tiles are whole, the rest stays undrawn; a scaled region fills",
         {{0, 0, 120, 60, 10, 20, 50, 50, 0}, {200, 0, 100, 20, 0, 0, 50, 10, 1}},
         {},
         {{{0, 0}, {10, 20}},
          {{50, 49}, {10, 69}},
          {{99, 0}, {59, 20}},
          {{100, 0}, none},
          {{0, 50}, none},
          {{299, 19}, {49, 9}}}},
        {"nothing is read outside the bitmaps",
         {{0, 0, -1, -1, 795, 95, 10, 10, 0},            // partly outside, tiled
          {0, 0, INT32_MAX, 1, 0, 0, 1, 1, 0},           // a million tiles of one pixel
          {0, 0, 10, 10, INT32_MAX, INT32_MAX, 5, 5, 1}, // wholly outside
          {0, 0, 10, 10, 0, 0, INT32_MIN, 5, 1},
          {-20, 5, -5, -5, INT32_MAX, 4, 4, 1, 0}}, // many tiles from nowhere (found by fuzzing)
         {{305, 305, 20, 20, -10, 90, "open"}},
         {{{0, 1}, {795 & 255, 96}},
          {{5, 1}, none},
          {{10, 1}, {795 & 255, 96}},
          {{305, 305}, none},
          {{315, 305}, {0, 90}},
          {{315, 315}, none}}},
    };
    for (const auto& c : cases) {
        SkinLayout layout;
        layout.regions.records = c.regions;
        layout.buttons.records = c.buttons;
        Drawn d;
        d.draw([&](SkinCanvas& canvas) { DrawSkinRegions(canvas, layout); });
        d.elements(layout);
        for (const auto& [at, source] : c.probes)
            EXPECT_EQ(d.source(at.x(), at.y()), source) << c.what << " at " << at.x() << "," << at.y();
    }
}

TEST(SkinDraw, ASliderDrawsFilledEmptyAndKnob)
{
    SkinLayout layout;
    layout.sliders.records = {{100, 50, 80, 10, 0, 0, 0, 5, "zoom"}, {0, 0, 0, 10, 0, 0, 40, 5, "other"}};
    Drawn d;
    d.elements(layout, {120, 55});
    const SkinSlider& s = layout.sliders.records[0];
    EXPECT_EQ(std::tuple(layout.hotSlider, s.value, s.knob, SliderPercent(s)), std::tuple(0, 20, 20, 25));
    EXPECT_EQ(d.source(100, 50), QPoint(0, 10));  // filled track
    EXPECT_EQ(d.source(170, 50), QPoint(70, 0));  // empty track
    EXPECT_EQ(d.source(115, 50), QPoint(80, 10)); // the pressed knob at 20 - 5

    d.draw([&](SkinCanvas& canvas) { DrawSliderDrag(canvas, layout, 1000, 0); });
    EXPECT_EQ(std::pair(s.value, s.knob), std::pair(80, 75));
    d.draw([&](SkinCanvas& canvas) { DrawSliderDrag(canvas, layout, 0, 7); }); // no such slider
    // Set from the program the knob stays on the track; a slider of no width is at 0 %.
    for (const auto& [percent, value, knob] : {std::tuple(0, 0, 5), {5, 4, 5}, {50, 40, 40}, {250, 80, 75}}) {
        SetSliderValue(layout, u"zoom", percent);
        EXPECT_EQ(std::pair(s.value, s.knob), std::pair(value, knob)) << percent;
    }
    EXPECT_EQ(std::pair(layout.sliders.records[1].value, SliderPercent(layout.sliders.records[1])), std::pair(40, 0));
}

TEST(SkinDraw, ATextIsCapitalsWithoutAccentsAndDrawsOneCellMoreThanFits)
{
    EXPECT_EQ(SkinCellsFor(QString::fromLatin1("Page : 3/12 (\xe9t\xe9)")).glyphs,
              SkinCellsFor(u"PAGE : 3/12 (ETE)").glyphs);
    // Latin-1 letters without a cell are blanks. Beyond Latin-1 the system font draws, over two cells for
    // a wide character (even beyond 16 bits), with a mark joining the character before (dropped after a
    // strip letter): A € 日 Я́ é 😀 ~
    const SkinTextCells cells = SkinCellsFor(QString::fromUtf8("\xc3\xb1\x01\xc3\x87"
                                                               "A\xe2\x82\xac\xe6\x97\xa5\xd0\xaf\xcc\x81"
                                                               "e\xcc\x81\xf0\x9f\x98\x80~"));
    EXPECT_EQ(cells.glyphs, SkinCellsFor(u"  CA    E  ~").glyphs);
    std::vector<std::tuple<int, int, QString>> system;
    for (const SkinSystemGlyph& g : cells.systemGlyphs)
        system.emplace_back(g.cell, g.cells, g.text);
    EXPECT_EQ(system,
              (std::vector<std::tuple<int, int, QString>>{{4, 1, QString::fromUtf8("\xe2\x82\xac")},
                                                          {5, 2, QString::fromUtf8("\xe6\x97\xa5")},
                                                          {7, 1, QString::fromUtf8("\xd0\xaf\xcc\x81")},
                                                          {9, 2, QString::fromUtf8("\xf0\x9f\x98\x80")}}));
    QImage strip(16, 4, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(5, 2, qRgb(128, 128, 160)); // an edge, half inked
    strip.setPixel(6, 2, qRgb(20, 30, 90));
    EXPECT_EQ(GlyphInk(strip, QRect(0, 0, 100, 4)), QColor(20, 30, 90));

    SkinLayout layout;
    SkinText& text = layout.texts.records.emplace_back();
    text.x = 10, text.y = 10, text.width = 100, text.cellWidth = 8, text.cellHeight = 12, text.srcY = 20;
    text.name = "main";
    SkinTexts texts;
    SetSkinText(layout, texts, "main", "ABCDEFGHIJKLMNOP");
    Drawn d;
    d.elements(layout);
    EXPECT_EQ(d.source(10, 10), QPoint((33 * 8) & 255, 20));          // "A" is cell 33
    EXPECT_EQ(d.source(10 + 12 * 8, 10), QPoint((45 * 8) & 255, 20)); // the 13th cell, "M"
    EXPECT_EQ(d.source(10 + 13 * 8, 10), QPoint(-1, -1));
    EXPECT_EQ(SkinTextOf(texts, "main"), "ABCDEFGHIJKLMNOP");

    // A character beyond the strip is drawn over its cell, not left blank.
    SetSkinText(layout, texts, "main", QString::fromUtf8("A\xd0\xaf"));
    d.elements(layout);
    int changed = 0;
    for (int y = 10; y < 22; ++y)
        for (int x = 18; x < 26; ++x)
            changed += d.source(x, y) != QPoint(x - 18, 20 + y - 10);
    EXPECT_GT(changed, 4);
}

// A double-size bitmap counts only at exactly twice the size and is then copied pixel for pixel; where it
// does not, the plain one is enlarged.
TEST(SkinDraw, AtTwoDevicePixelsTheDoubleSetIsCopiedOneToOne)
{
    ScratchDir dir;
    const QString folder = WriteSkin(dir, "s", {});
    CoordinateImage(1600, 200).save(folder + "background@2x.bmp", "BMP");
    CoordinateImage(1600, 199).save(folder + "elements@2x.bmp", "BMP");
    Drawn d(2);
    Messages said;
    ASSERT_TRUE(LoadSkinBitmaps(d.bitmaps, folder, said));
    SkinLayout layout;
    layout.regions.records = {{0, 0, 10, 10, 3, 4, 10, 10, 0}};
    layout.buttons.records = {{20, 5, 10, 10, 3, 4, "back"}};
    d.draw([&](SkinCanvas& canvas) { DrawSkinRegions(canvas, layout); });
    d.elements(layout);
    EXPECT_EQ(d.source(11, 11), QPoint(17, 19));
    EXPECT_EQ(d.source(41, 11), QPoint(3, 4)); // one source pixel covers two by two
}
