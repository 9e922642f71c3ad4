// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PdfScanScale.h"

#include <poppler-qt6.h>

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace {
// Notes the images drawn, where they land, and whether anything else is drawn; paints nothing.
class DrawingNotes : public QPaintEngine {
public:
    DrawingNotes() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        noteImage(r, pixmap.size(), source);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags) override
    {
        noteImage(r, image.size(), source);
    }
    void drawPath(const QPainterPath&) override { ++others; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++others; }
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override { ++others; }
    void drawTextItem(const QPointF&, const QTextItem&) override { ++others; }
    void drawRects(const QRectF*, int) override { ++others; }
    void drawRects(const QRect*, int) override { ++others; }
    void drawLines(const QLineF*, int) override { ++others; }
    void drawLines(const QLine*, int) override { ++others; }
    void drawEllipse(const QRectF&) override { ++others; }
    void drawPoints(const QPointF*, int) override { ++others; }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { ++others; }

    struct Image {
        QRectF onPage;  // in points
        QSizeF pixels;  // of the image's part drawn there
    };
    std::vector<Image> images;
    int others = 0;

private:
    void noteImage(const QRectF& r, QSize size, const QRectF& source)
    {
        const QRectF part = source.isValid() && !source.isEmpty() ? source : QRectF(QPointF(), QSizeF(size));
        images.push_back({painter()->combinedTransform().mapRect(r), part.size()});
    }
};

class NotingDevice : public QPaintDevice {
public:
    explicit NotingDevice(QSize points) : m_points(points) {}
    QPaintEngine* paintEngine() const override { return &m_notes; }
    DrawingNotes& notes() const { return m_notes; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_points.width();
        case PdmHeight: return m_points.height();
        case PdmWidthMM: return m_points.width() * 254 / 720;
        case PdmHeightMM: return m_points.height() * 254 / 720;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 72;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    QSize m_points;
    mutable DrawingNotes m_notes;
};

// An image over this much of the page, and nothing else drawn, makes the page a scan.
constexpr double kCoveredShare = 0.9;
} // namespace

std::optional<double> PdfScanScale(Poppler::Document& document, const Poppler::Page& page)
{
    const QSizeF points = page.pageSizeF();
    if (!(points.width() >= 1) || !(points.height() >= 1) || points.width() > 1e5 || points.height() > 1e5)
        return std::nullopt;
    NotingDevice device(QSize(int(std::ceil(points.width())), int(std::ceil(points.height()))));
    const Poppler::Document::RenderBackend own = document.renderBackend();
    document.setRenderBackend(Poppler::Document::QPainterBackend);
    {
        QPainter painter(&device);
        page.renderToPainter(&painter, 72.0, 72.0);
    }
    document.setRenderBackend(own);
    const DrawingNotes& notes = device.notes();
    if (notes.others != 0 || notes.images.size() != 1)
        return std::nullopt;
    const DrawingNotes::Image& image = notes.images.front();
    const QRectF onPage = image.onPage.intersected(QRectF(QPointF(), points));
    if (onPage.width() * onPage.height() < kCoveredShare * points.width() * points.height() || image.pixels.isEmpty())
        return std::nullopt;
    return std::max(image.pixels.width() / image.onPage.width(), image.pixels.height() / image.onPage.height());
}
