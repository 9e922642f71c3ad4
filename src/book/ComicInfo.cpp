// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ComicInfo.h"

#include "common/RegularFile.h"

#include <QXmlStreamReader>

bool ComicInfoReadsRightToLeft(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != u"ComicInfo")
        return false;
    bool rightToLeft = false;
    // The whole document is read, so a document broken after the element counts as broken.
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"Manga")
            rightToLeft = reader.readElementText().trimmed() == u"YesAndRightToLeft";
    }
    return rightToLeft && !reader.hasError();
}

bool BookReadsRightToLeft(const QString& dir)
{
    const std::optional<QByteArray> xml = ReadRegularFile(dir + QLatin1String(kComicInfoName), kComicInfoLimit + 1);
    return xml && xml->size() <= kComicInfoLimit && ComicInfoReadsRightToLeft(*xml);
}
