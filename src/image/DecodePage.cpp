// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/DecodePage.h"

#include "image/ColourCorrection.h"
#include "image/ReducePage.h"
#include "image/ImageLayer.h"

namespace {

// Empties the record and hands back its pixel memory when nothing else still shows those pixels.
std::shared_ptr<PixelMemory> takeReusableMemory(PageImage& record)
{
    std::shared_ptr<PixelMemory> memory = std::move(record.memory);
    record.reset();
    // `pixels` held the other reference; a copy of it still alive elsewhere (the view, a cache)
    // keeps one more, and then the memory is left to it.
    if (memory && memory.use_count() == 1)
        return memory;
    return nullptr;
}

void releaseMemory(void* info)
{
    delete static_cast<std::shared_ptr<PixelMemory>*>(info);
}

// The image's pixels become the record's without a copy: the QImage wraps the decoder's memory and
// holds a reference to it for as long as any copy of the QImage lives.
bool adoptPixels(PageImage& record, Image* image)
{
    const std::shared_ptr<PixelMemory>& memory = image->memory();
    if (!memory)
        return false;
    const int width = image->getWidth(), height = image->getHeight();
    QImage pixels(memory->data(), width, height, qsizetype(width) * 4, QImage::Format_RGB32, releaseMemory,
                  new std::shared_ptr<PixelMemory>(memory));
    if (pixels.isNull())
        return false;
    record.pixels = std::move(pixels);
    record.memory = memory;
    return true;
}

bool decode(PageImage& record, const QString& path, bool flipped, const DecodeOptions* corrections,
            QSize fitWithin)
{
    ImageOpenOptions open;
    open.fitWithin = fitWithin;
    open.recycled = takeReusableMemory(record);
    open.findChannelRange = corrections && corrections->norm;
    Image* image = CorConvertImage(CorOpenImage(path, FF_AUTODETECT, std::move(open)), PF_B8G8R8A8);
    if (!image)
        return false;
    if (flipped)
        CorFlipImage(image, CA_X | CA_Y);
    const std::optional<ChannelRange> range = image->channelRange();
    const bool adopted = adoptPixels(record, image);
    image->destroy();
    if (!adopted)
        return false;
    if (corrections)
        CorrectPageColours(reinterpret_cast<std::uint32_t*>(record.memory->data()),
                           std::size_t(record.width()) * std::size_t(record.height()), corrections->norm,
                           corrections->contrastval, range ? &*range : nullptr);
    return ReducePageWithin(record, fitWithin);
}

} // namespace

bool DecodePage(PageImage& record, const QString& path, bool flipped, const DecodeOptions& options,
                QSize fitWithin)
{
    return decode(record, path, flipped, &options, fitWithin);
}

bool DecodePlainImage(PageImage& record, const QString& path)
{
    return decode(record, path, false, nullptr, {});
}
