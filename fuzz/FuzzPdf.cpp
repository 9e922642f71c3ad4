// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a PDF book, opened and its first pages rendered the way the book's
// worker renders them, to fit a small view. Finds crashes and hangs in what a damaged or hostile PDF
// makes of the document's loading and the page rendering (Poppler itself is not instrumented; the
// sanitizers watch the calls into it and what comes back).

#include "book/PdfRender.h"

#include <poppler-qt6.h>

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {
void quiet(const QString&, const QVariant&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    Poppler::setDebugErrorFunction(quiet, {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!document || document->isLocked())
        return 0;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    (void)document->info(QStringLiteral("Title"));
    const std::atomic<bool> cancelled{false};
    const int pages = std::min(document->numPages(), 3);
    for (int k = 0; k < pages; ++k)
        if (const std::unique_ptr<Poppler::Page> page = document->page(k))
            (void)RenderPdfPage(*page, QSize(120, 160), cancelled);
    return 0;
}
