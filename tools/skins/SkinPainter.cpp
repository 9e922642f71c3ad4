// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinPainter.h"

#include "Pictograms.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <stdexcept>

namespace skins {
namespace {

constexpr int kGlyphCells = 96; // codes 32 to 127; 127 is blank

// Where each piece lands in its bitmap, at scale 1.
struct Packing {
    QPoint frame;
    std::vector<QPoint> bands, decor, buttons, sliders;
    std::vector<int> textRows;
    QSize background, elements, font;
};

// Left to right in one row.
struct Shelf {
    int x = 0, height = 0;
    QPoint take(QSize size)
    {
        const QPoint at(x, 0);
        x += size.width();
        height = std::max(height, size.height());
        return at;
    }
};

Packing pack(const SkinDesign& d)
{
    Packing p;
    Shelf background;
    p.frame = background.take({1, 1});
    for (const Band& band : d.bands)
        p.bands.push_back(background.take({2, band.height}));
    for (const DecorArt& decor : d.decor)
        p.decor.push_back(background.take({decor.at.width, decor.at.height}));
    p.background = {background.x, background.height};

    Shelf elements;
    for (const ButtonArt& b : d.buttons)
        p.buttons.push_back(elements.take({b.at.width, 2 * b.at.height}));
    for (const SliderArt& s : d.sliders)
        p.sliders.push_back(elements.take({s.at.width + s.at.height, 2 * s.at.height}));
    p.elements = {elements.x, elements.height};

    int fontHeight = 0, fontWidth = 0;
    for (const TextArt& t : d.texts) {
        p.textRows.push_back(fontHeight);
        fontHeight += t.at.height;
        fontWidth = std::max(fontWidth, kGlyphCells * t.cellWidth);
    }
    p.font = {fontWidth, fontHeight};
    return p;
}

// One band's colours, one device pixel wide.
QImage bandStrip(const Band& band, int s)
{
    QImage strip(1, band.height * s, QImage::Format_RGB32);
    QPainter painter(&strip);
    QLinearGradient shade(0, 0, 0, strip.height());
    shade.setColorAt(0, band.top);
    shade.setColorAt(1, band.bottom);
    painter.fillRect(strip.rect(), shade);
    if (band.ruleAbove.isValid())
        painter.fillRect(0, 0, 1, s, band.ruleAbove);
    if (band.ruleBelow.isValid())
        painter.fillRect(0, strip.height() - s, 1, s, band.ruleBelow);
    return strip;
}

class Painter {
public:
    Painter(const SkinDesign& design, int scale) : m_design(design), m_s(scale)
    {
        for (const Band& band : design.bands)
            m_strips.push_back(bandStrip(band, scale));
    }

    // The band's colours behind an element placed at `at`, filled into `target` (scale-1 units) of `image`.
    void backdrop(QPainter& painter, const Placed& at, QRect target) const
    {
        const Band& band = m_design.bands.at(at.band);
        const int row = at.y - band.y;
        if (row < 0 || row + target.height() > band.height || (at.y < 0) != (band.y < 0))
            throw std::runtime_error(m_design.name.toStdString() + ": an element leaves its band");
        painter.drawImage(device(target), m_strips[at.band], QRect(0, row * m_s, 1, target.height() * m_s));
    }

    QRect device(QRect r) const { return QRect(r.topLeft() * m_s, r.size() * m_s); }
    QRectF device(QRectF r) const { return QRectF(r.topLeft() * m_s, r.size() * m_s); }
    int scale() const { return m_s; }
    const QImage& strip(int band) const { return m_strips[band]; }

private:
    const SkinDesign& m_design;
    int m_s;
    std::vector<QImage> m_strips;
};

QImage blank(QSize size, int s)
{
    QImage image(size * s, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The pictogram's square, centred on whole pixels.
QRectF iconBox(QRect button)
{
    const int side = std::max(10, int(std::min(button.width(), button.height()) * 0.58 + 0.5));
    return QRectF(button.x() + (button.width() - side) / 2, button.y() + (button.height() - side) / 2, side, side);
}

void paintButton(QPainter& painter, const Painter& art, const Theme& theme, const ButtonArt& b, QPoint at, bool down)
{
    const QRect cell(at, QSize(b.at.width, b.at.height));
    art.backdrop(painter, b.at, cell);
    if (down) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(theme.downEdge, art.scale()));
        painter.setBrush(theme.downFill);
        const QRectF plate = art.device(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5));
        const qreal r = std::min(theme.downRadius, plate.height() / art.scale() / 2) * art.scale();
        painter.drawRoundedRect(plate, r, r);
        painter.restore();
    }
    DrawActionPictogram(painter, b.action, art.device(iconBox(cell)), down ? theme.inkDown : theme.ink, theme.stroke);
}

void paintTrack(QPainter& painter, const Painter& art, const Theme& theme, const SliderArt& sl, QPoint at, bool filled)
{
    const QRect cell(at, QSize(sl.at.width, sl.at.height));
    art.backdrop(painter, sl.at, cell);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = art.scale();
    const qreal mid = (cell.y() + cell.height() / 2.0) * s;
    // The line runs between the knob's two end positions, so the filled part meets the knob's centre.
    painter.setPen(QPen(filled ? theme.accent : theme.track, 4 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF((cell.x() + 5) * s, mid), QPointF((cell.right() + 1 - 5) * s, mid));
    painter.restore();
}

void paintKnob(QPainter& painter, const Painter& art, const Theme& theme, const SliderArt& sl, QPoint at, bool pressed)
{
    const QRect cell(at, QSize(sl.at.height, sl.at.height));
    Placed placed = sl.at;
    placed.width = sl.at.height;
    art.backdrop(painter, placed, cell);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = art.scale();
    const QRectF knob = art.device(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(pressed ? theme.knob : theme.knobEdge, 1.5 * s));
    painter.setBrush(pressed ? theme.knobEdge : theme.knob);
    painter.drawEllipse(knob.adjusted(0.75 * s, 0.75 * s, -0.75 * s, -0.75 * s));
    painter.restore();
}

void paintGlyphs(QPainter& painter, const Painter& art, const Theme& theme, const TextArt& t, int row)
{
    // Without any font the strip would come out blank, and every text with it.
    if (QFontDatabase::families().isEmpty())
        throw std::runtime_error("no font to draw the glyph strips with (fonts-dejavu-core has the one the skins use)");
    QFont font(theme.fontFamily);
    font.setPixelSize(theme.fontPixels * art.scale());
    font.setWeight(QFont::Weight(theme.fontWeight));
    font.setStyleHint(QFont::Monospace);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setPen(theme.text);
    for (int i = 0; i < kGlyphCells; ++i) {
        const QRect cell(i * t.cellWidth, row, t.cellWidth, t.at.height);
        Placed placed = t.at;
        placed.width = t.cellWidth;
        art.backdrop(painter, placed, cell);
        if (32 + i < 127)
            painter.drawText(art.device(cell), Qt::AlignCenter, QString(QChar(32 + i)));
    }
}

QByteArray layoutText(const SkinDesign& d, const Packing& p)
{
    QByteArray out;
    const auto line = [&out](const QString& text) { out += text.toLatin1() + '\n'; };
    const auto n = [](int v) { return QString::number(v); };
    const int regions = int(d.bands.size() + 4 + d.decor.size());
    line(QStringLiteral("INIT:%1|%2|%3|%4|")
             .arg(regions)
             .arg(d.buttons.size())
             .arg(d.sliders.size())
             .arg(d.texts.size()));
    line(QStringLiteral("# The %1 skin, drawn by make-skins. Coordinates below 0 count from the right or bottom.")
             .arg(d.name));
    const auto edges = [&](const char* word, const Edges& e) {
        line(QStringLiteral("%1:%2|%3|%4|%5|EOD").arg(QLatin1String(word), n(e.x1), n(e.y1), n(e.x2), n(e.y2)));
    };
    edges("SIZE", d.sizeArea);
    edges("MOVE", d.moveArea);
    edges("BMP", d.pageArea);
    const auto region = [&](int x, int y, int w, int h, QPoint src, int sw, int sh, int stretch) {
        line(QStringLiteral("REGION:%1|%2|%3|%4|%5|%6|%7|%8|%9|EOD")
                 .arg(n(x), n(y), n(w), n(h), n(src.x()), n(src.y()), n(sw), n(sh), n(stretch)));
    };
    line(QStringLiteral("# the bands, then the window's edge, then the pictures on the bands"));
    for (size_t i = 0; i < d.bands.size(); ++i)
        region(1, d.bands[i].y, -1, d.bands[i].height, p.bands[i], 2, d.bands[i].height, 1);
    constexpr int kFar = 32767; // reaches past any window edge
    region(0, 0, kFar, 1, p.frame, 1, 1, 1);
    region(0, -1, kFar, 1, p.frame, 1, 1, 1);
    region(0, 0, 1, kFar, p.frame, 1, 1, 1);
    region(-1, 0, 1, kFar, p.frame, 1, 1, 1);
    for (size_t i = 0; i < d.decor.size(); ++i) {
        const Placed& a = d.decor[i].at;
        region(a.x, a.y, a.width, a.height, p.decor[i], a.width, a.height, 0);
    }
    for (size_t i = 0; i < d.buttons.size(); ++i) {
        const Placed& a = d.buttons[i].at;
        line(QStringLiteral("BUTTON:%1|%2|%3|%4|%5|%6|%7|EOD")
                 .arg(n(a.x), n(a.y), n(a.width), n(a.height), n(p.buttons[i].x()), n(p.buttons[i].y()),
                      d.buttons[i].action));
    }
    for (size_t i = 0; i < d.sliders.size(); ++i) {
        const Placed& a = d.sliders[i].at;
        line(QStringLiteral("SLIDER:%1|%2|%3|%4|%5|%6|0|5|%7|EOD")
                 .arg(n(a.x), n(a.y), n(a.width), n(a.height), n(p.sliders[i].x()), n(p.sliders[i].y()),
                      d.sliders[i].name));
    }
    for (size_t i = 0; i < d.texts.size(); ++i) {
        const TextArt& t = d.texts[i];
        line(QStringLiteral("TEXT:%1|%2|%3|%4|%5|0|%6|%7|EOD")
                 .arg(n(t.at.x), n(t.at.y), n(t.at.width), n(t.cellWidth), n(t.at.height), n(p.textRows[i]), t.name));
    }
    return out;
}

} // namespace

SkinFiles PaintSkin(const SkinDesign& d, int scale)
{
    const Packing p = pack(d);
    const Painter art(d, scale);
    const Theme& theme = d.theme;
    SkinFiles files;
    files.layout = layoutText(d, p);

    files.background = blank(p.background, scale);
    {
        QPainter painter(&files.background);
        painter.fillRect(art.device(QRect(p.frame, QSize(1, 1))), theme.frame);
        for (size_t i = 0; i < d.bands.size(); ++i)
            painter.drawImage(art.device(QRect(p.bands[i], QSize(2, d.bands[i].height))), art.strip(int(i)));
        for (size_t i = 0; i < d.decor.size(); ++i) {
            const QRect cell(p.decor[i], QSize(d.decor[i].at.width, d.decor[i].at.height));
            art.backdrop(painter, d.decor[i].at, cell);
            DrawDecor(painter, d.decor[i].decor, art.device(QRectF(cell)), theme);
        }
    }

    files.elements = blank(p.elements, scale);
    {
        QPainter painter(&files.elements);
        for (size_t i = 0; i < d.buttons.size(); ++i) {
            const ButtonArt& b = d.buttons[i];
            paintButton(painter, art, theme, b, p.buttons[i], false);
            paintButton(painter, art, theme, b, p.buttons[i] + QPoint(0, b.at.height), true);
        }
        for (size_t i = 0; i < d.sliders.size(); ++i) {
            const SliderArt& sl = d.sliders[i];
            const QPoint at = p.sliders[i];
            const int h = sl.at.height;
            paintTrack(painter, art, theme, sl, at, false);
            paintTrack(painter, art, theme, sl, at + QPoint(0, h), true);
            paintKnob(painter, art, theme, sl, at + QPoint(sl.at.width, 0), false);
            paintKnob(painter, art, theme, sl, at + QPoint(sl.at.width, h), true);
        }
    }

    files.font = blank(p.font, scale);
    {
        QPainter painter(&files.font);
        for (size_t i = 0; i < d.texts.size(); ++i)
            paintGlyphs(painter, art, theme, d.texts[i], p.textRows[i]);
    }
    return files;
}

} // namespace skins
