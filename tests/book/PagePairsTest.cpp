// SPDX-License-Identifier: GPL-3.0-or-later
// The two-page view's pairs: the cover alone or not, the shift, wide pages alone, the ends of the book,
// and the numbers the counter shows for them.

#include "book/PagePairs.h"
#include "book/PageCounter.h"

#include <gtest/gtest.h>

namespace {

// The pairs of a whole book, as "1 2-3 4 ..." (1-based).
std::string pairsOf(int pageCount, PairRules rules, const std::vector<bool>& wide = {})
{
    std::string text;
    for (int index = 0; index < pageCount;) {
        const PagePair pair = PairHolding(index, pageCount, rules, wide);
        EXPECT_EQ(pair, PairHolding(pair.first + pair.count - 1, pageCount, rules, wide)) << "both pages agree";
        text += (text.empty() ? "" : " ") + PairNumbers(pair).toStdString();
        index = pair.first + pair.count;
    }
    return text;
}

TEST(PagePairs, CoverShiftAndWidePagesStandAlone)
{
    EXPECT_EQ(pairsOf(6, {true, false}), "1 2-3 4-5 6");
    EXPECT_EQ(pairsOf(6, {false, false}), "1-2 3-4 5-6");
    EXPECT_EQ(pairsOf(6, {true, true}), "1 2 3-4 5-6");
    EXPECT_EQ(pairsOf(6, {false, true}), "1 2-3 4-5 6");
    // A wide page alone; the pairs start again after it.
    EXPECT_EQ(pairsOf(7, {true, false}, {false, false, false, true}), "1 2-3 4 5-6 7");
    EXPECT_EQ(pairsOf(7, {true, false}, {false, false, true}), "1 2 3 4-5 6-7");
    EXPECT_EQ(pairsOf(1, {false, false}), "1");
    EXPECT_EQ(pairsOf(2, {true, true}), "1 2");
    // Outside the book: the nearest end; no pages at all: page 1 alone.
    EXPECT_EQ(PairHolding(9, 6, {true, false}, {}), (PagePair{5, 1}));
    EXPECT_EQ(PairHolding(-3, 6, {false, false}, {}), (PagePair{0, 2}));
    EXPECT_EQ(PairHolding(0, 0, {true, false}, {}), (PagePair{0, 1}));
    EXPECT_EQ(PageCounterText(PagePair{3, 2}, 24, "/b/x.cbz"), "PAGE : 4-5/24 (x.cbz)");
    EXPECT_EQ(PageCounterText(PagePair{3, 1}, 24, "/b/x.cbz"), "PAGE : 4/24 (x.cbz)");
}

} // namespace
