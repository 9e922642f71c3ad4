// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the bundled sample book: fourteen portrait pages of panels, captions and speech balloons,
// written as a folder ("Sample Book/": twelve JPEG pages, one PNG, one GIF) and as "Sample Book.cbz".
//
//   make-sample-book OUTPUT_DIR

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <gif_lib.h>
#include <minizip/zip.h>

#include <cstdio>
#include <vector>

namespace {
constexpr int kWidth = 1600;
constexpr int kHeight = 2400;
constexpr int kPages = 14;

const char* const kCaptions[] = {
    "Chapter One: The Lighthouse", "Night fell over the harbour.",   "Something moved in the fog.",
    "\"Who goes there?\"",         "The keeper lit the great lamp.", "Far out, a ship answered.",
    "Chapter Two: The Visitor",    "She came ashore at dawn.",       "\"I need a map of the reef.\"",
    "The keeper hesitated.",       "Storm clouds gathered.",         "Chapter Three: The Reef",
    "Together they rowed out.",    "And the light kept shining."};

const char* const kBalloons[] = {"Look!",  "Over there!", "Hurry!",      "I see it.", "Wait...",
                                 "Quiet!", "Trust me.",   "Row faster!", "Hold on!",  "We made it."};

QColor pageHue(int page, int shade)
{
    return QColor::fromHsv((page * 37 + shade * 23) % 360, 90 + (shade * 30) % 120, 200 - (shade * 25) % 90);
}

void drawScene(QPainter& p, const QRect& panel, int page, int index, QRandomGenerator& random)
{
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, pageHue(page, index).lighter(150));
    sky.setColorAt(1, pageHue(page, index + 3));
    p.fillRect(panel, sky);

    // Hills and a sun or moon.
    p.setPen(Qt::NoPen);
    p.setBrush(pageHue(page, index + 5).darker(140));
    QPainterPath hills;
    hills.moveTo(panel.bottomLeft());
    const int steps = 6;
    for (int i = 0; i <= steps; ++i) {
        const int x = panel.left() + panel.width() * i / steps;
        const int y = panel.top() + panel.height() * 2 / 3 + int(random.bounded(panel.height() / 5));
        hills.lineTo(x, y);
    }
    hills.lineTo(panel.bottomRight());
    hills.closeSubpath();
    p.drawPath(hills);
    p.setBrush(QColor(255, 240, 180));
    const int r = panel.height() / 8;
    p.drawEllipse(QPoint(panel.left() + int(random.bounded(panel.width() - 2 * r)) + r, panel.top() + r * 2), r, r);

    // A figure or two.
    const int figures = 1 + int(random.bounded(2));
    for (int f = 0; f < figures; ++f) {
        const int fx = panel.left() + panel.width() * (f + 1) / (figures + 1);
        const int fy = panel.bottom() - panel.height() / 5;
        const int h = panel.height() / 3;
        p.setBrush(pageHue(page, index + f + 7).darker(200));
        p.drawRoundedRect(QRect(fx - h / 6, fy - h, h / 3, h), 20, 20);
        p.setBrush(QColor(240, 205, 170));
        p.drawEllipse(QPoint(fx, fy - h - h / 6), h / 6, h / 6);
    }

    // A speech balloon.
    QFont font(QStringLiteral("Sans"), 34, QFont::Bold);
    p.setFont(font);
    const QString words = QString::fromLatin1(kBalloons[(page + index) % 10]);
    const QRect balloon(panel.left() + 30, panel.top() + 30, int(panel.width() * 0.45), 110);
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 4));
    p.drawEllipse(balloon);
    p.drawText(balloon, Qt::AlignCenter, words);
}

QImage drawPage(int page)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(250, 248, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(quint32(page * 7919 + 11));

    const int margin = 80, gutter = 40;
    const int top = 220, bottom = kHeight - 180;
    // Three rows; the middle row splits in two on even pages.
    const int rowHeight = (bottom - top - 2 * gutter) / 3;
    std::vector<QRect> panels;
    for (int row = 0; row < 3; ++row) {
        const int y = top + row * (rowHeight + gutter);
        if (row == 1 && page % 2 == 0) {
            const int w = (kWidth - 2 * margin - gutter) / 2;
            panels.emplace_back(margin, y, w, rowHeight);
            panels.emplace_back(margin + w + gutter, y, w, rowHeight);
        } else {
            panels.emplace_back(margin, y, kWidth - 2 * margin, rowHeight);
        }
    }
    for (std::size_t i = 0; i < panels.size(); ++i) {
        drawScene(p, panels[i], page, int(i), random);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 8));
        p.drawRect(panels[i]);
    }

    // Caption box across the top, page number at the bottom.
    QRect caption(margin, 60, kWidth - 2 * margin, 120);
    p.setPen(QPen(Qt::black, 5));
    p.setBrush(QColor(255, 236, 150));
    p.drawRect(caption);
    p.setFont(QFont(QStringLiteral("Serif"), 40, QFont::Bold, true));
    p.drawText(caption, Qt::AlignCenter, QString::fromLatin1(kCaptions[page % kPages]));
    p.setFont(QFont(QStringLiteral("Sans"), 36));
    p.drawText(QRect(0, kHeight - 150, kWidth, 100), Qt::AlignCenter, QStringLiteral("- %1 -").arg(page + 1));
    return image;
}

bool writeGif(const QImage& image, const QString& path)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QList<QRgb> table = indexed.colorTable();
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.constScanLine(y)), indexed.width()) == GIF_OK;
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

bool writeCbz(const QString& cbzPath, const QString& folderName, const QStringList& files, const QString& dir)
{
    zipFile zip = zipOpen64(QFile::encodeName(cbzPath).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const QString& name : files) {
        QFile f(dir + name);
        if (!f.open(QIODevice::ReadOnly)) {
            ok = false;
            break;
        }
        const QByteArray bytes = f.readAll();
        const QByteArray entry = (folderName + u'/' + name).toUtf8();
        zip_fileinfo info{};
        // Compressed pages gain nothing from deflate; store them as most comic archives do.
        ok = zipOpenNewFileInZip64(zip, entry.constData(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0) == ZIP_OK
            && zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size())) == ZIP_OK
            && zipCloseFileInZip(zip) == ZIP_OK;
        if (!ok)
            break;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-book OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const QString bookName = QStringLiteral("Sample Book");
    const QString bookDir = out + bookName + u'/';
    QDir(bookDir).removeRecursively();
    QDir().mkpath(bookDir);

    QStringList files;
    for (int page = 0; page < kPages; ++page) {
        const QImage image = drawPage(page);
        QString name;
        bool ok = false;
        if (page == 5) {
            name = QStringLiteral("page%1.png").arg(page + 1, 2, 10, QChar(u'0'));
            ok = image.save(bookDir + name, "PNG");
        } else if (page == 9) {
            name = QStringLiteral("page%1.gif").arg(page + 1, 2, 10, QChar(u'0'));
            ok = writeGif(image, bookDir + name);
        } else {
            name = QStringLiteral("page%1.jpg").arg(page + 1, 2, 10, QChar(u'0'));
            ok = image.save(bookDir + name, "JPEG", 88);
        }
        if (!ok) {
            std::fprintf(stderr, "make-sample-book: cannot write %s\n", qPrintable(bookDir + name));
            return 1;
        }
        files << name;
    }
    if (!writeCbz(out + bookName + QStringLiteral(".cbz"), bookName, files, bookDir)) {
        std::fprintf(stderr, "make-sample-book: cannot write the .cbz\n");
        return 1;
    }
    return 0;
}
