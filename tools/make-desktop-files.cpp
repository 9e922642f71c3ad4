// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the desktop reads about the installed program into one folder laid out as share/: the
// desktop entry, the MIME package and the icon, as SVG and drawn at the usual PNG sizes.
//   make-desktop-files <share folder> <icon.svg>

#include "dialogs/FileAssociation.h"
#include "dialogs/association/DesktopFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool drawIcon(QSvgRenderer& svg, const QString& share, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const QString dir = share + QStringLiteral("/icons/hicolor/%1x%1/apps/").arg(size);
    return QDir().mkpath(dir) && image.save(dir + QString::fromLatin1(kIconName) + QStringLiteral(".png"));
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-desktop-files <share folder> <icon.svg>\n");
        return 2;
    }
    const QString share = QFile::decodeName(argv[1]);
    const QString svgPath = QFile::decodeName(argv[2]);
    const QString className = QString::fromLatin1(kBookClassName);

    QFile svgFile(svgPath);
    QSvgRenderer svg(svgPath);
    bool ok = svg.isValid() && svgFile.open(QIODevice::ReadOnly)
        && writeFile(share + QStringLiteral("/icons/hicolor/scalable/apps/") + QString::fromLatin1(kIconName)
                         + QStringLiteral(".svg"),
                     svgFile.readAll());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = ok && drawIcon(svg, share, size);
    // Installed, the program is found in PATH like any other.
    ok = ok
        && writeFile(share + QStringLiteral("/applications/") + QString::fromUtf8(DesktopIdFor(className)),
                     DesktopEntryText(className, *ExecLineFor(QStringLiteral("bullevista")), BookMimeTypes()))
        && writeFile(share + QStringLiteral("/mime/packages/") + QString::fromLatin1(kMimePackageName),
                     MimePackageXml())
        && writeFile(share + QStringLiteral("/thumbnailers/") + QString::fromLatin1(kThumbnailerName),
                     ThumbnailerEntryText("bullevista-thumbnailer"));
    if (!ok)
        std::fprintf(stderr, "make-desktop-files: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
