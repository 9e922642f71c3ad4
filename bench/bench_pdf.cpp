// SPDX-License-Identifier: GPL-3.0-or-later
// A vector page of a PDF book rendered to fit 1000 x 1400 device pixels, the whole way a page goes:
// the document loaded, the page rendered on the worker, written as a bitmap and decoded for the view.
// BV_PDF_OUT=FILE keeps the page's PDF, so `pdftoppm -r 180` can render the same page for comparison.

#include "BenchMain.h"
#include "book/OpenBook.h"

#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {
// 400 x 560 points: 1 500 filled and stroked curves and 60 lines of text.
QString writeVectorPage(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(400, 560), QPageSize::Point));
    writer.setPageMargins({});
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 1500; ++k) {
        QPainterPath curve;
        curve.moveTo(k % 400, (k * 7) % 560);
        curve.cubicTo((k * 13) % 400, (k * 3) % 560, (k * 17) % 400, (k * 11) % 560, (k * 5) % 400, (k * 19) % 560);
        painter.setPen(QPen(QColor::fromHsv(k % 360, 200, 180), 0.5 + k % 4));
        painter.setBrush(QColor::fromHsv((k * 7) % 360, 120, 240, 60));
        painter.drawPath(curve);
    }
    painter.setPen(Qt::black);
    for (int line = 0; line < 60; ++line)
        painter.drawText(QPointF(10, 10 + line * 9),
                         QStringLiteral("Bang! Pow! The quick brown fox jumps, line %1").arg(line));
    painter.end();
    return path;
}

void BM_VectorPageAt1000x1400(benchmark::State& state)
{
    QTemporaryDir dir, work;
    const QString kept = qEnvironmentVariable("BV_PDF_OUT");
    const QString pdf = writeVectorPage(kept.isEmpty() ? dir.filePath(QStringLiteral("page.pdf")) : kept);
    BookOpening how;
    how.pageBox = QSize(1000, 1400);
    for (auto _ : state) {
        BookState book;
        Messages messages;
        if (!OpenFileBook(book, pdf, work.path() + u'/', how, messages))
            state.SkipWithError("not opened");
        benchmark::DoNotOptimize(book.current.pixels.constBits());
        CloseBook(book);
    }
}
BENCHMARK(BM_VectorPageAt1000x1400)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
