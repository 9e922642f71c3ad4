#include "book/DecodePage.h"

// FIXME: placeholder until the decoder layer lands; Qt's readers stand in for it.
bool DecodePage(PageImage& record, const QString& path, bool flipped, const DecodeOptions&)
{
    record.reset();
    QImage image(path);
    if (image.isNull())
        return false;
    record.pixels = image.convertToFormat(QImage::Format_RGB32);
    if (flipped)
        record.pixels = record.pixels.mirrored(true, true);
    return true;
}

bool DecodePlainImage(PageImage& record, const QString& path)
{
    return DecodePage(record, path, false, {false, 0});
}
