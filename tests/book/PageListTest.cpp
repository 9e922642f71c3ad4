#include "book/PageList.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList sortedNames(const QList<QByteArray>& onDisk)
{
    PageNameList list;
    for (const QByteArray& name : onDisk)
        list.append(MakePageName(name));
    list.sort();
    QStringList names;
    for (const PageName& page : list.pages())
        names << page.name;
    return names;
}
} // namespace

struct OrderCase {
    const char* what;
    QList<QByteArray> onDisk;
    QStringList expected;
};

class PageOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PageOrder, SortsByteWiseIgnoringCase)
{
    EXPECT_EQ(sortedNames(GetParam().onDisk), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageOrder,
    ::testing::Values(
        OrderCase{"no numeric awareness, case ignored", {"B.png", "a10.png", "a.png", "a2.png"},
                  {"a.png", "a10.png", "a2.png", "B.png"}},
        OrderCase{"punctuation and a leading blank", {"-cover.jpg", "(1).jpg", "a.jpg", " space.jpg"},
                  {" space.jpg", "(1).jpg", "-cover.jpg", "a.jpg"}},
        OrderCase{"underscore before letters", {"pagea.jpg", "page_1.jpg"}, {"page_1.jpg", "pagea.jpg"}},
        OrderCase{"uppercase letters sort as lowered, after the underscore", {"Page_B.jpg", "PAGE_a.jpg", "page^.jpg"},
                  {"page^.jpg", "PAGE_a.jpg", "Page_B.jpg"}},
        OrderCase{"a byte of 128 or more comes before plain ASCII", {"pa.jpg", "p\xc3\xa9.jpg", "p0.jpg"},
                  {QString::fromUtf8("p\xc3\xa9.jpg"), "p0.jpg", "pa.jpg"}},
        OrderCase{"a name that starts another comes first, whatever the listing order",
                  {"x.jpg.jpg", "x.jpg", "x.jpgz.png"}, {"x.jpg", "x.jpg.jpg", "x.jpgz.png"}},
        OrderCase{"names lowered alike keep both files, in a fixed order", {"a.png", "A.png"}, {"A.png", "a.png"}},
        OrderCase{"one name", {"only.gif"}, {"only.gif"}},
        OrderCase{"none", {}, {}}));

TEST(PageList, KeepsTheRealNameForOpeningAndTheLoweredOneForOrdering)
{
    const PageName page = MakePageName("Cover.JPG");
    EXPECT_EQ(page.name, "Cover.JPG");
    EXPECT_EQ(page.lowered, "cover.jpg");
    // Only A..Z are lowered; other bytes, UTF-8 included, stay as they are.
    EXPECT_EQ(LowerPageName("\xc3\x89T\xc3\x89.PNG"), "\xc3\x89t\xc3\x89.png");
}

TEST(PageList, TakesNamesHoldingAPageExtensionAnywhere)
{
    struct Case {
        const char* lowered;
        bool page;
    } cases[] = {
        {"a.bmp", true},       {"a.png", true},      {"a.jpg", true},          {"a.jpeg", true},
        {"a.gif", true},       {".jpg", true},       {"notes.jpg.txt", true}, {"image.jpg.bak", true},
        {"a.jpg~", true},     {"readme.txt", false}, {"jpg", false},          {"a.tiff", false},
        {"a.JPG", false} /* the caller lowers first */,
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPageName(c.lowered), c.page) << c.lowered;
}

TEST(PageList, ComparesBytesAsSigned)
{
    EXPECT_LT(ComparePageNames("\x80", "\x7f"), 0);
    EXPECT_GT(ComparePageNames("b", "a"), 0);
    EXPECT_EQ(ComparePageNames("same", "same"), 0);
    EXPECT_LT(ComparePageNames("ab", "abc"), 0);
}

TEST(PageList, ItemsOutsideTheListAreEmpty)
{
    PageNameList list;
    list.append(MakePageName("a.png"));
    EXPECT_EQ(list.item(0), "a.png");
    EXPECT_TRUE(list.item(1).isEmpty());
    EXPECT_TRUE(list.item(-1).isEmpty());
    EXPECT_EQ(list.count(), 1);
}

TEST(PageList, BuiltFromNamesKeepsTheirOrder)
{
    PageNameList list = QStringList{"B.png", "a.png"};
    list << "C.JPG";
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0], "B.png");
    EXPECT_EQ(list.value(2), "C.JPG");
    EXPECT_EQ(list.lowered(2), "c.jpg");
    EXPECT_TRUE(list.value(3).isEmpty());
    list.sort();
    EXPECT_EQ(list.item(0), "a.png");
}
