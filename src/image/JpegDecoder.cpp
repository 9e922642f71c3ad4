// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG through TurboJPEG, decompressing straight into the canvas.

#include "image/Decoders.h"
#include "image/FittedSize.h"

#include <turbojpeg.h>

namespace {

struct TurboHandle {
    tjhandle handle = tjInitDecompress();
    ~TurboHandle()
    {
        if (handle)
            tjDestroy(handle);
    }
};

// A CMYK page as written by the usual print software stores every ink inverted (Adobe's habit), so
// the byte is the amount of white left: red = C' x K' / 255 and so on.
void cmykToBgra(PixelCanvas& canvas)
{
    std::uint32_t* pixel = canvas.pixels();
    std::uint32_t* const end = pixel + std::size_t(canvas.width()) * std::size_t(canvas.height());
    for (; pixel != end; ++pixel) {
        const std::uint32_t v = *pixel; // bytes C, M, Y, K
        const std::uint32_t c = v & 0xff, m = (v >> 8) & 0xff, y = (v >> 16) & 0xff, k = v >> 24;
        *pixel = bgra(std::uint8_t((c * k + 127) / 255), std::uint8_t((m * k + 127) / 255),
                      std::uint8_t((y * k + 127) / 255));
    }
}

// The greatest reduction TurboJPEG offers (its DCT scaling: 7/8, 3/4 ... 1/8) whose picture is still
// at least the fitted size, so the final reduction never enlarges.
QSize reducedSize(QSize full, QSize fitted)
{
    QSize best = full;
    if (fitted == full)
        return best;
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        if (f.num >= f.denom)
            continue;
        const QSize size(TJSCALED(full.width(), f), TJSCALED(full.height(), f));
        if (size.width() >= fitted.width() && size.height() >= fitted.height()
            && qint64(size.width()) * size.height() < qint64(best.width()) * best.height())
            best = size;
    }
    return best;
}

} // namespace

bool DecodeJpeg(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    TurboHandle tj;
    if (!tj.handle)
        return false;
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(tj.handle, file.data(), static_cast<unsigned long>(file.size()), &width, &height,
                            &subsampling, &colourspace)
        != 0)
        return false;
    if (!canvas.withinLimit(width, height))
        return false;
    const QSize full(width, height);
    const QSize reduced = reducedSize(full, FittedSize(full, canvas.fitWithin()));
    width = reduced.width();
    height = reduced.height();
    if (!canvas.allocate(width, height))
        return false;
    const bool cmyk = colourspace == TJCS_CMYK || colourspace == TJCS_YCCK;
    // A progressive file can be made of endless tiny scans that take minutes; such files are refused.
    const int flags = TJFLAG_LIMITSCANS;
    auto decompress = [&](int extraFlags) {
        return tjDecompress2(tj.handle, file.data(), static_cast<unsigned long>(file.size()),
                             reinterpret_cast<unsigned char*>(canvas.pixels()), width, width * 4, height,
                             cmyk ? TJPF_CMYK : TJPF_BGRX, flags | extraFlags);
    };
    if (decompress(TJFLAG_STOPONWARNING) != 0) {
        if (tjGetErrorCode(tj.handle) != TJERR_WARNING)
            return false;
        // A damaged file (cut short, stray bytes between markers) is still worth showing. TurboJPEG
        // reports an error that follows a warning as a warning too, and an error leaves rows unwritten,
        // so those are black beforehand and whatever the outcome the page is whole.
        canvas.fillRows(0, cmyk ? 0u : kOpaqueBlack); // no ink left is black too
        decompress(0);
    }
    if (cmyk)
        cmykToBgra(canvas);
    return true;
}
