#include "book/PageCounter.h"

#include <gtest/gtest.h>

TEST(PageCounter, NumbersFromOneWithTheBookName)
{
    EXPECT_EQ(PageCounterText(2, 24, "/d/b.cbz"), "PAGE : 3/24 (b.cbz)");
    EXPECT_EQ(PageCounterText(4, 10, "/home/me/scans/"), "PAGE : 5/10 (scans/)");
    EXPECT_EQ(PageCounterText(0, 1, "/d/Sample Book/"), "PAGE : 1/1 (Sample Book/)");
    EXPECT_EQ(PageCounterText(0, 2, "/d/100%1.cbz"), "PAGE : 1/2 (100%1.cbz)");
}

TEST(PageCounter, BookNameIsTheLastComponent)
{
    EXPECT_EQ(BookNameOf("/comics/Book1/"), "Book1/");
    EXPECT_EQ(BookNameOf("/b.cbz"), "b.cbz");
    EXPECT_EQ(BookNameOf("/"), "/");
    EXPECT_EQ(BookNameOf("bare.cbz"), "bare.cbz");
}
