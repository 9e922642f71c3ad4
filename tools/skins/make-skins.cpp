// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the skins the program ships into OUTPUT_DIR/<name>/: layout.cor, background.bmp, elements.bmp
// and font.bmp, and the double-size set (background@2x.bmp ...) for high-density screens.
//
//   make-skins OUTPUT_DIR

#include "SkinPainter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {
bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeSkin(const skins::SkinDesign& design, const QString& root)
{
    const QString dir = root + u'/' + design.name + u'/';
    if (!QDir().mkpath(dir))
        return false;
    const skins::SkinFiles normal = skins::PaintSkin(design, 1);
    const skins::SkinFiles doubled = skins::PaintSkin(design, 2);
    return write(dir + QStringLiteral("layout.cor"), normal.layout)
        && normal.background.save(dir + QStringLiteral("background.bmp"), "BMP")
        && normal.elements.save(dir + QStringLiteral("elements.bmp"), "BMP")
        && normal.font.save(dir + QStringLiteral("font.bmp"), "BMP")
        && doubled.background.save(dir + QStringLiteral("background@2x.bmp"), "BMP")
        && doubled.elements.save(dir + QStringLiteral("elements@2x.bmp"), "BMP")
        && doubled.font.save(dir + QStringLiteral("font@2x.bmp"), "BMP");
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-skins OUTPUT_DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    try {
        for (const skins::SkinDesign& design : skins::ShippedSkins()) {
            if (!writeSkin(design, root)) {
                std::fprintf(stderr, "make-skins: cannot write the skin %s\n", qPrintable(design.name));
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-skins: %s\n", e.what());
        return 1;
    }
    return 0;
}
