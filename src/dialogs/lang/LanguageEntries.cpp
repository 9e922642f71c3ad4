// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/lang/LanguageEntries.h"

#include "common/StringTable.h"
#include "dialogs/lang/LanguageModule.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <cmath>

QString FindLanguageModule(const QString& name, const QStringList& langRoots)
{
    if (!IsModuleFileName(name))
        return {};
    for (const QString& root : langRoots) {
        const QString path = root + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList LanguageModuleNames(const QStringList& langRoots)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString& root : langRoots) {
        const QStringList found = QDir(root).entryList({QStringLiteral("*.rcc")}, QDir::Files | QDir::Hidden,
                                                       QDir::Unsorted);
        for (const QString& name : found) {
            if (!seen.contains(name))
                names << name;
            seen.insert(name);
        }
    }
    return names;
}

std::vector<LanguageEntry> LanguageEntries(const QStringList& langRoots)
{
    std::vector<LanguageEntry> entries;
    entries.push_back(
        {BuiltInLanguageIcon(), QString::fromLatin1(EnglishStringText(1)), QString::fromLatin1(kBuiltInNote)});
    LanguageModule probe;
    const QStringList names = LanguageModuleNames(langRoots);
    for (const QString& name : names) {
        LanguageEntry entry{{}, QString::fromLatin1(kWrongModule), name.left(255)};
        if (probe.load(FindLanguageModule(name, langRoots))) {
            const QString description = probe.description();
            entry.description = description.isEmpty() ? QFileInfo(name).completeBaseName().left(99) : description;
            entry.icon = probe.icon();
        }
        probe.unload();
        entries.push_back(std::move(entry));
    }
    return entries;
}

QImage BuiltInLanguageIcon()
{
    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(3, 3, 26, 26);
    painter.setPen(QPen(QColor(30, 60, 110), 1.5));
    painter.setBrush(QColor(90, 150, 215));
    painter.drawEllipse(globe);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(235, 242, 250), 1.2));
    painter.drawEllipse(QRectF(10, 3, 12, 26)); // a meridian
    painter.drawLine(QPointF(16, 3), QPointF(16, 29));
    for (double y : {10.0, 16.0, 22.0}) {
        const double half = std::sqrt(13.0 * 13.0 - (y - 16.0) * (y - 16.0));
        painter.drawLine(QPointF(16 - half, y), QPointF(16 + half, y));
    }
    return icon;
}
