// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pages the two-page view shows together. Pairs are counted from the book's first page: the cover
// stands alone when asked, "shift" sets one more page alone after it (for scans that lack a blank page),
// and a wide page (wider than high) always stands alone, so the pairs after it start again from the page
// that follows it.

#include <QString>
#include <cstdint>
#include <vector>

struct PairRules {
    bool coverAlone = true;
    bool shifted = false;
};

// What the view shows: `count` pages (1 or 2) from `first`.
struct PagePair {
    std::int32_t first = 0;
    std::int32_t count = 1;
    bool operator==(const PagePair&) const = default;
};

// The pair holding page `index` of a book of `pageCount` pages. `wide` tells the pages known to be wide
// (a page beyond its end, or not decoded yet, counts as narrow). An index outside the book gives a
// single page at the nearest end.
PagePair PairHolding(std::int32_t index, std::int32_t pageCount, PairRules rules, const std::vector<bool>& wide);

// The page counter's numbers: "4-5" for a pair, "4" for one page (1-based).
QString PairNumbers(PagePair pair);
