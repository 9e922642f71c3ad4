// SPDX-License-Identifier: GPL-3.0-or-later
// The layout.cor parser: the INIT rule, the element lines and their reports, the line rules, and files
// no one should write.

#include "skin/SkinLayoutFile.h"

#include "TestSupport.h"

#include <array>
#include <gtest/gtest.h>

namespace {
struct Parsed {
    bool ok;
    QStringList reports;
    SkinLayout layout;
};

Parsed parse(const QByteArray& text, SkinLayout layout = {})
{
    Parsed p{false, {}, std::move(layout)};
    p.ok = ParseSkinLayout(p.layout, text, p.reports);
    return p;
}

const QByteArray kInit = "INIT:1|1|1|1|\n";
const QByteArray kComment98(98, '#');
} // namespace

TEST(SkinLayoutFile, LinesAndTheirReports)
{
    const char* const incomplete = "ERROR: INIT sentence is not complete";
    const char* const noInit = "Error: no INIT first ";
    const struct {
        QByteArray text;
        bool ok;
        QStringList reports;
        std::array<size_t, 4> kept; // regions, buttons, sliders, texts
    } cases[] = {
        {"init:1|1|0|1|\n", true, {}, {}},
        {"INIT:1|1|0|1", true, {}, {}},
        {"INIT:1|1|0|1\r\n", true, {}, {}},
        {"INIT:1|1|0\n", false, {incomplete}, {}},
        {"INIT:1|1|0|1|2|\n", false, {incomplete}, {}},
        {"INIT:|1|0|1|\n", false, {incomplete}, {}},
        {"SIZE:1|2|3|4|EOD\nINIT:1|1|1|1|\n", false, {noInit}, {}},
        {" INIT:1|1|1|1|\n", false, {noInit}, {}},
        {"", false, {noInit}, {}},
        {"\x89PNG\r\n\x1a\n\xff\xfe", false, {noInit}, {}},
        // A line without its EOD (or with more after it) is reported, yet kept; a name too long is not.
        {kInit + "SLIDER:1|2|3|4|5|6|7|8|zoom|EOD ", true, {"ERROR: slider not valide at line 2"}, {0, 0, 1, 0}},
        {kInit + "TEXT:1|2|3", true, {"ERROR: text not valide at line 2"}, {0, 0, 0, 1}},
        {kInit + "REGION:1|2|3|4|5|6|7|8|9", true, {"ERROR: region not valide at line 2"}, {1, 0, 0, 0}},
        {kInit + "MOVE:1", true, {"ERROR: move not valide at line 2"}, {}},
        {kInit + "BUTTON:1|2|3|4|5|6|fullscreenxx|EOD", true, {"ERROR: button name too long at line 2"}, {}},
        {kInit + "TEXT:1|2|3|4|5|6|7|mainmainma|EOD", true, {"ERROR: text name too long at line 2"}, {}},
        {kInit + "BUTTON:1|1|1|1|1|1|back|EOD\nBUTTON:1|1|1|1|1|1|back|EOD",
         true,
         {"ERROR: button beyond the INIT count at line 3"},
         {0, 1, 0, 0}},
        {kInit + " SIZE:1|2|3|4", true, {}, {}},
        {kInit + "BUTTONS:1|2|3|4|5|6|open|EOD", true, {}, {}},
        // After 98 characters the rest of a line is a line of its own; 98 and a line feed are one line.
        {kInit + kComment98 + "SIZE:1|2|3|4\nMOVE:1|2|3|4",
         true,
         {"ERROR: size not valide at line 3", "ERROR: move not valide at line 4"},
         {}},
        {kInit + kComment98 + "\nMOVE:1|2|3|4", true, {"ERROR: move not valide at line 3"}, {}},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.text);
        const SkinLayout& l = p.layout;
        const std::array kept{l.regions.records.size(), l.buttons.records.size(), l.sliders.records.size(),
                              l.texts.records.size()};
        EXPECT_EQ(std::tuple(p.ok, p.reports, kept), std::tuple(c.ok, c.reports, c.kept)) << c.text.constData();
    }
}

TEST(SkinLayoutFile, NamesAreLowerCaseAndNumbersStayWithin32Bits)
{
    const Parsed p = parse(kInit
                           + "BUTTON:10|-30|20|20|0|40|Open|EOD\n"
                             "SIZE:1|2|3|4\n"
                             "REGION:  -7|+8|x9|99999999999|-99999999999|0|50|50|1|EOD\n");
    EXPECT_EQ(p.layout.buttons.records.at(0).action, "open");
    EXPECT_EQ(std::tuple(p.layout.sizeArea.x1, p.layout.sizeArea.y2), std::tuple(1, 4)); // kept though reported
    // Leading blanks and a sign are read, a number ends at its first non-digit, and beyond 32 bits it
    // stays at the nearest end.
    const SkinRegion& r = p.layout.regions.records.at(0);
    EXPECT_EQ(std::tuple(r.x, r.y, r.width, r.height, r.srcX), std::tuple(-7, 8, 0, INT32_MAX, INT32_MIN));
}

// A new layout keeps the rectangles of the previous one where it sets none, but not its tables; a table
// never holds more than the cap, whatever INIT declares.
TEST(SkinLayoutFile, WhatALayoutKeeps)
{
    const Parsed first = parse("INIT:0|1|0|0|\nBMP:10|40|-10|-30|EOD\nMOVE:1|2|3|4|EOD\nBUTTON:1|2|3|4|5|6|back|EOD\n");
    const Parsed second = parse("INIT:0|0|0|0|\nMOVE:5|6|7|8|EOD\n", first.layout);
    const SkinRect& page = second.layout.pageArea;
    EXPECT_EQ(std::tuple(page.x1, page.y1, page.x2, page.y2, second.layout.moveArea.x1),
              std::tuple(10, 40, -10, -30, 5));
    EXPECT_TRUE(second.layout.buttons.records.empty());

    QByteArray many = "INIT:2000000000|-5|0|0|\n";
    for (int i = 0; i < 10000; ++i)
        many += "REGION:1|1|1|1|1|1|1|1|1|EOD\nBUTTON:1|1|1|1|1|1|back|EOD\n";
    const Parsed capped = parse(many);
    EXPECT_EQ(std::pair(capped.layout.regions.records.size(), capped.layout.regions.capacity),
              std::pair(size_t(kMaxSkinRecords), kMaxSkinRecords));
    EXPECT_TRUE(capped.layout.buttons.records.empty());
}

// A missing file, a folder in its place, and a file of many bad lines (of which a few are shown).
TEST(SkinLayoutFile, LoadingReportsWhatIsWrong)
{
    ScratchDir dir;
    dir.write("folder/layout.cor/x", "");
    QByteArray text = "INIT:0|0|0|0|\n";
    for (int i = 0; i < 500; ++i)
        text += QByteArray(5000, 'x') + "\nSIZE:1\n";
    dir.write("bad/layout.cor", text);
    Messages messages;
    SkinLayout layout;
    EXPECT_FALSE(LoadSkinLayout(layout, dir.path(), messages));
    EXPECT_FALSE(LoadSkinLayout(layout, dir.file("folder/"), messages));
    EXPECT_TRUE(LoadSkinLayout(layout, dir.file("bad/"), messages));
    ASSERT_EQ(messages.size(), size_t(2 + kMaxLayoutReports + 1));
    EXPECT_EQ(MessageTexts(messages).mid(0, 2), (QStringList{"Error: opening file", "Error: opening file"}));
    EXPECT_EQ(messages.back().text, "ERROR: 490 more errors in layout.cor not shown");
}
