// SPDX-License-Identifier: GPL-3.0-or-later
// bullevista-decode FILE OUT.ppm [--page]: runs one file through the viewer's decoding path and
// writes the result as a binary PPM. Plain: as a skin bitmap is decoded; --page: as a page with the
// default display settings (normalisation on, contrast 0). Exit status 0 decoded, 1 refused or failed,
// 2 wrong use. For benchmarks, sorting out fuzzer findings and bug reports.

#include "image/DecodePage.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

bool writePpm(const PageImage& image, const QString& path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray header = QByteArray("P6\n") + QByteArray::number(image.width()) + ' '
        + QByteArray::number(image.height()) + "\n255\n";
    if (out.write(header) != header.size())
        return false;
    // A row at a time, with the sizes read once: a call per pixel cost a third of the run.
    const std::size_t width = std::size_t(image.width());
    const int height = image.height();
    std::vector<char> row(width * 3);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(image.pixels.constScanLine(y));
        char* rgb = row.data();
        for (std::size_t x = 0; x < width; ++x, rgb += 3) {
            rgb[0] = char(in[x] >> 16);
            rgb[1] = char(in[x] >> 8);
            rgb[2] = char(in[x]);
        }
        if (out.write(row.data(), qint64(row.size())) != qint64(row.size()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<QString> files;
    bool page = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--page"))
            page = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2) {
        std::fprintf(stderr, "usage: bullevista-decode [--page] FILE OUT.ppm\n");
        return 2;
    }
    PageImage image;
    const bool decoded = page ? DecodePage(image, files[0], false, DecodeOptions{}) : DecodePlainImage(image, files[0]);
    if (!decoded) {
        std::fprintf(stderr, "bullevista-decode: can't decode %s\n", qPrintable(files[0]));
        return 1;
    }
    if (!writePpm(image, files[1])) {
        std::fprintf(stderr, "bullevista-decode: can't write %s\n", qPrintable(files[1]));
        return 1;
    }
    return 0;
}
