// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting a book's page names: 10 000 names, in byte order and in natural order (target: natural order
// under 10 ms). The names mix padded and unpadded numbers, upper and lower case, as scans are named.

#include "book/PageList.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
PageNameList shuffledNames()
{
    QStringList names;
    QRandomGenerator random(11);
    for (int i = 0; i < 10000; ++i) {
        const int chapter = int(random.bounded(40)) + 1;
        const QString page = (i % 3) ? QString::number(i) : QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        names << QStringLiteral("%1 Chapter %2 - Page %3.jpg").arg(i % 2 ? u"Book" : u"book").arg(chapter).arg(page);
    }
    return PageNameList(names);
}

void sortNames(benchmark::State& state, PageOrder order)
{
    const PageNameList names = shuffledNames();
    for (auto _ : state) {
        state.PauseTiming();
        PageNameList copy = names;
        state.ResumeTiming();
        copy.sort(order);
        benchmark::DoNotOptimize(copy);
    }
}

void BM_SortNamesByteOrder(benchmark::State& state)
{
    sortNames(state, PageOrder::Bytes);
}
BENCHMARK(BM_SortNamesByteOrder)->Unit(benchmark::kMillisecond);

void BM_SortNamesNaturalOrder(benchmark::State& state)
{
    sortNames(state, PageOrder::Natural);
}
BENCHMARK(BM_SortNamesNaturalOrder)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
