// SPDX-License-Identifier: GPL-3.0-or-later
// The two skins the program ships: "default", light and quiet, with a tool bar at the top and a status
// bar at the bottom; and "nocturne", dark with an amber accent, a slim title bar and a reading dock.
// Both keep their groups apart, and the page counter's numbers in view, down to the smallest window, 400
// pixels wide; opening a folder and the last session's book are in the menu button's popup menu (and in
// the right-click menu of the open button), which has every command.

#include "SkinDesign.h"

namespace skins {
namespace {

Placed at(int x, int y, int width, int height, int band)
{
    return {x, y, width, height, band};
}

SkinDesign defaultSkin()
{
    SkinDesign d;
    d.name = QStringLiteral("default");
    Theme& t = d.theme;
    t.frame = QColor(0xA3, 0xAA, 0xB6);
    t.ink = QColor(0x3B, 0x43, 0x50);
    t.inkDown = QColor(0x1D, 0x5B, 0xD8);
    t.downFill = QColor(37, 99, 235, 34);
    t.downEdge = QColor(37, 99, 235, 70);
    t.downRadius = 6;
    t.stroke = 1.9;
    t.accent = QColor(0x4F, 0x8D, 0xF7);
    t.accentDeep = QColor(0x1E, 0x50, 0xD6);
    t.text = QColor(0x2B, 0x31, 0x3B);
    t.separator = QColor(0xB9, 0xBF, 0xC9);
    t.track = QColor(0xCC, 0xD1, 0xD9);
    t.knob = QColor(0xFF, 0xFF, 0xFF);
    t.knobEdge = QColor(0x25, 0x63, 0xEB);
    t.fontFamily = QStringLiteral("DejaVu Sans Mono");
    t.fontPixels = 12;

    constexpr int header = 0, status = 1;
    d.bands = {
        {0, 40, QColor(0xFC, 0xFC, 0xFD), QColor(0xEE, 0xF0, 0xF3), {}, QColor(0xD3, 0xD7, 0xDE)},
        {-28, 28, QColor(0xF5, 0xF6, 0xF8), QColor(0xEC, 0xEE, 0xF1), QColor(0xD3, 0xD7, 0xDE), {}},
    };
    d.decor = {
        {Decor::Logo, at(8, 8, 24, 24, header)},          {Decor::Separator, at(76, 10, 1, 20, header)},
        {Decor::Separator, at(-76, 10, 1, 20, header)},   {Decor::ZoomGlass, at(-210, -22, 16, 16, status)},
        {Decor::Separator, at(-112, -21, 1, 14, status)}, {Decor::Grip, at(-14, -14, 12, 12, status)},
    };
    const auto tool = [](const char* action, int x) { return ButtonArt{action, at(x, 4, 32, 32, header)}; };
    const auto small = [](const char* action, int x) { return ButtonArt{action, at(x, -26, 28, 24, status)}; };
    d.buttons = {
        tool("open", 38),      tool("back", 82),    tool("jump", 114),        tool("foward", 146),
        tool("stretch", -174), tool("flip", -142),  tool("fullscreen", -110), tool("minimize", -68),
        tool("close", -36),    small("info", -106), small("option", -76),     small("menu", -46),
    };
    d.sliders = {{QStringLiteral("zoom"), at(-190, -19, 70, 10, status)}};
    // The field ends one cell before the zoom glass: its last, partly shown cell is drawn past its end.
    d.texts = {{QStringLiteral("main"), at(12, -22, -222, 16, status), 8}};
    d.moveArea = {178, 0, -174, 40};
    d.sizeArea = {-16, -16, -1, -1};
    d.pageArea = {1, 40, -1, -28};
    return d;
}

SkinDesign nocturneSkin()
{
    SkinDesign d;
    d.name = QStringLiteral("nocturne");
    Theme& t = d.theme;
    t.frame = QColor(0x05, 0x06, 0x09);
    t.ink = QColor(0xAF, 0xB7, 0xC5);
    t.inkDown = QColor(0xFF, 0xB5, 0x47);
    t.downFill = QColor(255, 181, 71, 30);
    t.downEdge = QColor(255, 181, 71, 95);
    t.downRadius = 18; // pills
    t.stroke = 1.8;
    t.accent = QColor(0xFF, 0xBE, 0x5C);
    t.accentDeep = QColor(0xE0, 0x84, 0x16);
    t.text = QColor(0xE4, 0xE8, 0xEF);
    t.separator = QColor(0x3A, 0x40, 0x4C);
    t.track = QColor(0x39, 0x3F, 0x4B);
    t.knob = QColor(0x1B, 0x1E, 0x25);
    t.knobEdge = QColor(0xFF, 0xB5, 0x47);
    t.fontFamily = QStringLiteral("DejaVu Sans Mono");
    t.fontPixels = 12;

    constexpr int title = 0, dock = 1;
    d.bands = {
        {0, 34, QColor(0x22, 0x26, 0x2F), QColor(0x1A, 0x1D, 0x24), {}, QColor(0x0C, 0x0E, 0x12)},
        {-52, 52, QColor(0x1F, 0x23, 0x2B), QColor(0x14, 0x16, 0x1C), QColor(0x2C, 0x31, 0x3C), {}},
    };
    d.decor = {
        {Decor::Logo, at(10, 7, 20, 20, title)},        {Decor::Separator, at(-98, 9, 1, 16, title)},
        {Decor::Separator, at(54, -40, 1, 28, dock)},   {Decor::ZoomGlass, at(-212, -35, 18, 18, dock)},
        {Decor::Separator, at(-100, -40, 1, 28, dock)}, {Decor::Grip, at(-14, -14, 12, 12, dock)},
    };
    const auto bar = [](const char* action, int x) { return ButtonArt{action, at(x, 4, 28, 26, title)}; };
    const auto big = [](const char* action, int x) { return ButtonArt{action, at(x, -46, 36, 40, dock)}; };
    d.buttons = {
        big("open", 10),     big("back", 62),      big("jump", 98),        big("foward", 134),
        big("stretch", -94), big("flip", -58),     bar("info", -184),      bar("option", -156),
        bar("menu", -128),   bar("minimize", -90), bar("fullscreen", -62), bar("close", -34),
    };
    d.sliders = {{QStringLiteral("zoom"), at(-190, -31, 80, 10, dock)}};
    d.texts = {{QStringLiteral("main"), at(40, 10, -200, 14, title), 8}};
    d.moveArea = {0, 0, -186, 34};
    d.sizeArea = {-18, -18, -1, -1};
    d.pageArea = {1, 34, -1, -52};
    return d;
}

} // namespace

std::vector<SkinDesign> ShippedSkins()
{
    return {defaultSkin(), nocturneSkin()};
}

} // namespace skins
