// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PagePairs.h"

#include <QString>
#include <algorithm>

namespace {
bool isWide(const std::vector<bool>& wide, std::int32_t index)
{
    return index >= 0 && std::size_t(index) < wide.size() && wide[std::size_t(index)];
}
} // namespace

PagePair PairHolding(std::int32_t index, std::int32_t pageCount, PairRules rules, const std::vector<bool>& wide)
{
    if (pageCount <= 0)
        return {0, 1};
    index = std::clamp(index, 0, pageCount - 1);
    // Pages standing alone at the start: the cover, then one more when shifted.
    const std::int32_t alone = std::min(pageCount, std::int32_t(rules.coverAlone) + std::int32_t(rules.shifted));
    if (index < alone)
        return {index, 1};
    std::int32_t page = alone;
    for (;;) {
        const bool pairs = page + 1 < pageCount && !isWide(wide, page) && !isWide(wide, page + 1);
        const std::int32_t count = pairs ? 2 : 1;
        if (index < page + count)
            return {page, count};
        page += count;
    }
}

QString PairNumbers(PagePair pair)
{
    if (pair.count < 2)
        return QString::number(pair.first + 1);
    return QStringLiteral("%1-%2").arg(pair.first + 1).arg(pair.first + pair.count);
}
