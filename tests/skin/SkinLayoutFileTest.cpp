// The layout.cor parser: the INIT rule, the element lines and their reports, the line rules, and files
// no one should write.

#include "skin/SkinLayoutFile.h"

#include "TestSupport.h"

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
} // namespace

TEST(SkinLayoutFile, ReadFieldStopsAtTheSeparatorOrTheLineFeed)
{
    struct Case {
        const char* line;
        qsizetype from;
        char separator;
        bool stopAtNewline;
        const char* field;
        qsizetype next;
    };
    const Case cases[] = {
        {"SIZE:1|2", 0, ':', false, "SIZE", 5},  {"1|2\n", 2, '|', true, "2", 4},
        {"a\nb:c", 0, ':', false, "a\nb", 4},    {"abc", 0, '|', true, "abc", 4},
        {"abc", 3, '|', true, "", 4},            {"abc", 9, '|', true, "", 9},
    };
    for (const Case& c : cases) {
        qsizetype position = c.from;
        EXPECT_EQ(ReadField(c.line, position, c.separator, c.stopAtNewline), QByteArray(c.field)) << c.line;
        EXPECT_EQ(position, c.next) << c.line;
    }
}

TEST(SkinLayoutFile, TheInitLineHasFourCountsAndNothingMore)
{
    const struct {
        const char* text;
        const char* report; // empty: valid
    } cases[] = {
        {"init:1|1|0|1|\n", ""},
        {"INIT:1|1|0|1", ""},
        {"INIT:1|1|0|1\r\n", ""},
        {"INIT:1|1|0\n", "ERROR: INIT sentence is not complete"},
        {"INIT:1|1|0|1|2|\n", "ERROR: INIT sentence is not complete"},
        {"INIT:|1|0|1|\n", "ERROR: INIT sentence is not complete"},
        {"SIZE:1|2|3|4|EOD\nINIT:1|1|1|1|\n", "Error: no INIT first "},
        {" INIT:1|1|1|1|\n", "Error: no INIT first "},
        {"", "Error: no INIT first "},
        {"\x89PNG\r\n\x1a\n\xff\xfe", "Error: no INIT first "},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.text);
        EXPECT_EQ(p.ok, !*c.report) << c.text;
        EXPECT_EQ(p.reports, *c.report ? QStringList{c.report} : QStringList{}) << c.text;
    }
}

TEST(SkinLayoutFile, ElementLinesAndTheirReports)
{
    const struct {
        const char* line; // line 2, after INIT:1|1|1|1|
        const char* report;
        int regions, buttons, sliders, texts;
    } cases[] = {
        {"BUTTON:10|-30|20|20|0|40|Open|EOD", "", 0, 1, 0, 0},
        {"SLIDER:100|-20|80|10|0|100|0|5|zoom|eod", "", 0, 0, 1, 0},
        {"TEXT:5|5|-5|8|12|0|0|main|EOD", "", 0, 0, 0, 1},
        {"REGION:0|0|-10|-10|0|0|50|50|1|EOD", "", 1, 0, 0, 0},
        {"BUTTON:1|2|3|4|5|6|close", "ERROR: button not valide at line 2", 0, 1, 0, 0},
        {"SLIDER:1|2|3|4|5|6|7|8|zoom|EOD ", "ERROR: slider not valide at line 2", 0, 0, 1, 0},
        {"TEXT:1|2|3", "ERROR: text not valide at line 2", 0, 0, 0, 1},
        {"REGION:1|2|3|4|5|6|7|8|9", "ERROR: region not valide at line 2", 1, 0, 0, 0},
        {"BMP:1|2|3|4", "ERROR: bmp not valide at line 2", 0, 0, 0, 0},
        {"MOVE:1", "ERROR: move not valide at line 2", 0, 0, 0, 0},
        {"BUTTON:1|2|3|4|5|6|fullscreenxx|EOD", "ERROR: button name too long at line 2", 0, 0, 0, 0},
        {"TEXT:1|2|3|4|5|6|7|mainmainma|EOD", "ERROR: text name too long at line 2", 0, 0, 0, 0},
        {"# BUTTON:1|2|3|4|5|6|open|EOD", "", 0, 0, 0, 0},
        {" SIZE:1|2|3|4", "", 0, 0, 0, 0},
        {"BUTTONS:1|2|3|4|5|6|open|EOD", "", 0, 0, 0, 0},
        {"", "", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(QByteArray("INIT:1|1|1|1|\n") + c.line + "\n");
        EXPECT_TRUE(p.ok);
        EXPECT_EQ(p.reports, *c.report ? QStringList{c.report} : QStringList{}) << c.line;
        EXPECT_EQ(p.layout.regions.records.size(), size_t(c.regions)) << c.line;
        EXPECT_EQ(p.layout.buttons.records.size(), size_t(c.buttons)) << c.line;
        EXPECT_EQ(p.layout.sliders.records.size(), size_t(c.sliders)) << c.line;
        EXPECT_EQ(p.layout.texts.records.size(), size_t(c.texts)) << c.line;
    }
}

TEST(SkinLayoutFile, FieldsLandInTheirRecords)
{
    const Parsed p = parse("INIT:1|1|1|1|\n"
                           "BUTTON:10|-30|20|20|0|40|Open|EOD\n"
                           "SLIDER:100|-20|80|10|0|100|0|5|ZOOM|EOD\n"
                           "TEXT:5|5|-5|8|12|0|0|main|EOD\n"
                           "SIZE:1|2|3|4\n"
                           "REGION:  -7|+8|x9|99999999999|-99999999999|0|50|50|1|EOD\n");
    const SkinButton& b = p.layout.buttons.records.at(0);
    EXPECT_EQ(std::tuple(b.x, b.y, b.width, b.height, b.srcX, b.srcY, b.action), std::tuple(10, -30, 20, 20, 0, 40, QString("open")));
    const SkinSlider& s = p.layout.sliders.records.at(0);
    EXPECT_EQ(std::tuple(s.width, s.height, s.srcY, s.value, s.knob, s.name), std::tuple(80, 10, 100, 0, 5, QString("zoom")));
    const SkinText& t = p.layout.texts.records.at(0);
    EXPECT_EQ(std::tuple(t.width, t.cellWidth, t.cellHeight, t.name), std::tuple(-5, 8, 12, QString("main")));
    EXPECT_EQ(std::tuple(p.layout.sizeArea.x1, p.layout.sizeArea.y2), std::tuple(1, 4));
    EXPECT_EQ(p.reports, QStringList{"ERROR: size not valide at line 5"});
    const SkinRegion& r = p.layout.regions.records.at(0);
    EXPECT_EQ(std::tuple(r.x, r.y, r.width, r.height, r.srcX), std::tuple(-7, 8, 0, INT32_MAX, INT32_MIN));
}

TEST(SkinLayoutFile, RectanglesStayFromThePreviousSkinTablesDoNot)
{
    const Parsed first = parse("INIT:0|1|0|0|\nBMP:10|40|-10|-30|EOD\nMOVE:1|2|3|4|EOD\nBUTTON:1|2|3|4|5|6|back|EOD\n");
    const Parsed second = parse("INIT:0|0|0|0|\nMOVE:5|6|7|8|EOD\n", first.layout);
    EXPECT_EQ(std::tuple(second.layout.pageArea.x1, second.layout.pageArea.y1, second.layout.pageArea.x2,
                         second.layout.pageArea.y2),
              std::tuple(10, 40, -10, -30));
    EXPECT_EQ(second.layout.moveArea.x1, 5);
    EXPECT_TRUE(second.layout.buttons.records.empty());
}

TEST(SkinLayoutFile, LongLinesContinueOnTheNextLineAndCount)
{
    // 98 characters of comment, then the rest of the same line: a line of its own, line 3.
    const Parsed p = parse("INIT:0|0|0|0|\n" + QByteArray(98, '#') + "SIZE:1|2|3|4\nMOVE:1|2|3|4\n");
    EXPECT_EQ(p.layout.sizeArea.x1, 1);
    EXPECT_EQ(p.reports, (QStringList{"ERROR: size not valide at line 3", "ERROR: move not valide at line 4"}));
    // Exactly 98 characters and a line feed is one line.
    const Parsed exact = parse("INIT:0|0|0|0|\n" + QByteArray(98, '#') + "\nMOVE:1|2|3|4\n");
    EXPECT_EQ(exact.reports, QStringList{"ERROR: move not valide at line 3"});
}

TEST(SkinLayoutFile, TablesHoldWhatInitDeclaredAndNoMoreThanTheCap)
{
    const Parsed few = parse("INIT:0|1|0|0|\nBUTTON:1|1|1|1|1|1|back|EOD\nBUTTON:1|1|1|1|1|1|back|EOD\n");
    EXPECT_EQ(few.layout.buttons.records.size(), 1u);
    EXPECT_EQ(few.reports, QStringList{"ERROR: button beyond the INIT count at line 3"});

    QByteArray many = "INIT:2000000000|-5|0|0|\n";
    for (int i = 0; i < 10000; ++i)
        many += "REGION:1|1|1|1|1|1|1|1|1|EOD\nBUTTON:1|1|1|1|1|1|back|EOD\n";
    const Parsed capped = parse(many);
    EXPECT_EQ(capped.layout.regions.records.size(), size_t(kMaxSkinRecords));
    EXPECT_TRUE(capped.layout.buttons.records.empty());
    EXPECT_EQ(capped.layout.regions.capacity, kMaxSkinRecords);
}

TEST(SkinLayoutFile, AFileOfManyBadLinesShowsAFewReports)
{
    ScratchDir dir;
    QByteArray text = "INIT:0|0|0|0|\n";
    for (int i = 0; i < 500; ++i)
        text += QByteArray(5000, 'x') + "\nSIZE:1\n";
    dir.write("layout.cor", text);
    MessageRecorder messages;
    SkinLayout layout;
    EXPECT_TRUE(LoadSkinLayout(layout, dir.path()));
    ASSERT_EQ(messages.messages().size(), size_t(kMaxLayoutReports + 1));
    EXPECT_EQ(messages.messages().front().caption, "ERROR");
    EXPECT_EQ(messages.texts().back(), "ERROR: 490 more errors in layout.cor not shown");
}

TEST(SkinLayoutFile, AMissingFileOrAFolderInItsPlaceIsReported)
{
    ScratchDir dir;
    dir.write("folder/layout.cor/x", "");
    MessageRecorder messages;
    SkinLayout layout;
    EXPECT_FALSE(LoadSkinLayout(layout, dir.path()));
    EXPECT_FALSE(LoadSkinLayout(layout, dir.file("folder/")));
    EXPECT_EQ(messages.texts(), (QStringList{"Error: opening file", "Error: opening file"}));
}
