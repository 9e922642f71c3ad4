// SPDX-License-Identifier: GPL-3.0-or-later
// BMP, our own reader: every header generation (OS/2 core and 2.x, Windows 3 to V5), 1/2/4/8-bit
// palettes, 16/24/32-bit colour, bit fields, RLE4/RLE8, top-down rows, and JPEG or PNG wrapped in a
// BMP header. Reading never trusts a size or offset from the file before checking it against the
// bytes that are really there.

#include "image/Decoders.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, Jpeg = 4, Png = 5, AlphaBitFields = 6 };

std::uint32_t u16(const std::uint8_t* p)
{
    return p[0] | p[1] << 8;
}
std::uint32_t u32(const std::uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

// Turns one masked field of a pixel into 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 0; // mask >> shift

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    std::uint8_t operator()(std::uint32_t pixel) const
    {
        if (!max)
            return 0;
        return std::uint8_t((((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows top-down
    int bitCount = 0;
    std::uint32_t compression = Rgb;
    std::uint32_t coloursUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
    bool hasMasks = false;
    std::size_t headerEnd = 0; // where the palette (or the masks after a 40-byte header) starts
    int paletteEntrySize = 4;
};

bool readHeader(std::span<const std::uint8_t> file, Header& h)
{
    if (file.size() < 14 + 12)
        return false;
    const std::uint8_t* info = file.data() + 14;
    const std::uint32_t size = u32(info);
    if (size < 12 || 14 + std::size_t(size) > file.size())
        return false;
    h.headerEnd = 14 + size;
    if (size == 12) { // OS/2 1.x core header: 16-bit sizes, 3-byte palette entries
        h.width = u16(info + 4);
        h.height = std::int16_t(u16(info + 6));
        h.bitCount = int(u16(info + 10));
        h.paletteEntrySize = 3;
        return true;
    }
    if (size < 16)
        return false;
    h.width = std::int32_t(u32(info + 4));
    h.height = std::int32_t(u32(info + 8));
    h.bitCount = int(u16(info + 14));
    if (size >= 20)
        h.compression = u32(info + 16);
    if (size >= 36)
        h.coloursUsed = u32(info + 32);
    if (size != 40 && size < 52 && size != 16 && size != 64)
        return false;
    if (size == 16 || size == 64) {
        // OS/2 2.x: its compression 3 and 4 are Huffman and RLE24, which nobody writes any more.
        if (h.compression != Rgb && h.compression != Rle8 && h.compression != Rle4)
            return false;
        return true;
    }
    if (h.compression == BitFields || h.compression == AlphaBitFields) {
        // The masks are inside a V2+ header, or follow a 40-byte one.
        const std::uint8_t* masks = info + 40;
        if (size == 40) {
            const std::size_t extra = h.compression == AlphaBitFields ? 16 : 12;
            if (file.size() < h.headerEnd + extra)
                return false;
            h.headerEnd += extra;
        }
        h.masks[0] = u32(masks);
        h.masks[1] = u32(masks + 4);
        h.masks[2] = u32(masks + 8);
        h.hasMasks = true;
    }
    return true;
}

using Palette = std::array<std::uint32_t, 256>;

// Pixel rows start at the file's stated offset; where that offset is missing or points outside the
// file, right after the palette.
struct Layout {
    Palette palette;
    std::size_t pixelOffset = 0;
};

Layout readLayout(std::span<const std::uint8_t> file, const Header& h, std::size_t declaredOffset)
{
    Layout layout;
    layout.palette.fill(kOpaqueBlack);
    std::size_t entries = 0;
    if (h.bitCount <= 8) {
        entries = std::size_t(1) << h.bitCount;
        if (h.coloursUsed > 0 && h.coloursUsed < entries)
            entries = h.coloursUsed;
    }
    const std::size_t paletteEnd = declaredOffset > h.headerEnd && declaredOffset <= file.size()
        ? declaredOffset
        : std::min(file.size(), h.headerEnd + entries * h.paletteEntrySize);
    const std::size_t available = (paletteEnd - h.headerEnd) / std::size_t(h.paletteEntrySize);
    entries = std::min(entries, available);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t* e = file.data() + h.headerEnd + i * h.paletteEntrySize;
        layout.palette[i] = bgra(e[2], e[1], e[0]);
    }
    layout.pixelOffset = declaredOffset >= h.headerEnd && declaredOffset < file.size()
        ? declaredOffset
        : h.headerEnd + entries * h.paletteEntrySize;
    return layout;
}

// Converts one stored row of an uncompressed image.
class RowConverter {
public:
    RowConverter(const Header& h, const Palette& palette) : m_bitCount(h.bitCount), m_palette(palette)
    {
        std::uint32_t masks[3] = {0x00ff0000, 0x0000ff00, 0x000000ff};
        if (h.bitCount == 16 && !h.hasMasks) {
            masks[0] = 0x7c00;
            masks[1] = 0x03e0;
            masks[2] = 0x001f;
        }
        if (h.hasMasks)
            std::copy(std::begin(h.masks), std::end(h.masks), masks);
        m_plain32 = masks[0] == 0x00ff0000 && masks[1] == 0x0000ff00 && masks[2] == 0x000000ff;
        const Channel r(masks[0]), g(masks[1]), b(masks[2]);
        if (h.bitCount == 16) {
            m_table16.resize(65536);
            for (std::uint32_t v = 0; v < 65536; ++v)
                m_table16[v] = bgra(r(v), g(v), b(v));
        }
        m_channels = {r, g, b};
    }

    void convert(const std::uint8_t* in, std::uint32_t* out, int width) const
    {
        switch (m_bitCount) {
        case 1:
        case 2:
        case 4: {
            const int perByte = 8 / m_bitCount;
            const unsigned mask = (1u << m_bitCount) - 1;
            for (int x = 0; x < width; ++x) {
                const int shift = 8 - m_bitCount * (x % perByte + 1);
                out[x] = m_palette[(in[x / perByte] >> shift) & mask];
            }
            break;
        }
        case 8:
            for (int x = 0; x < width; ++x)
                out[x] = m_palette[in[x]];
            break;
        case 16:
            for (int x = 0; x < width; ++x)
                out[x] = m_table16[u16(in + 2 * x)];
            break;
        case 24:
            for (int x = 0; x < width; ++x, in += 3)
                out[x] = bgra(in[2], in[1], in[0]);
            break;
        case 32:
            if (m_plain32) {
                for (int x = 0; x < width; ++x)
                    out[x] = u32(in + 4 * x) | 0xff000000u;
            } else {
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t v = u32(in + 4 * x);
                    out[x] = bgra(m_channels[0](v), m_channels[1](v), m_channels[2](v));
                }
            }
            break;
        }
    }

private:
    int m_bitCount;
    const Palette& m_palette;
    bool m_plain32 = true;
    std::vector<std::uint32_t> m_table16;
    std::array<Channel, 3> m_channels;
};

bool decodeUncompressed(std::span<const std::uint8_t> data, const Header& h, const Palette& palette,
                        PixelCanvas& canvas)
{
    const std::uint64_t stride = (std::uint64_t(canvas.width()) * std::uint64_t(h.bitCount) + 31) / 32 * 4;
    const std::uint64_t rowsPresent = std::min<std::uint64_t>(data.size() / stride, std::uint64_t(canvas.height()));
    if (rowsPresent == 0)
        return false;
    const RowConverter converter(h, palette);
    const bool topDown = h.height < 0;
    for (int i = 0; i < int(rowsPresent); ++i) {
        const int y = topDown ? i : canvas.height() - 1 - i;
        converter.convert(data.data() + std::size_t(i) * stride, canvas.row(y), canvas.width());
        canvas.noteRow(y);
    }
    // A file cut short keeps the rows it has; the missing ones are black.
    const int missing = canvas.height() - int(rowsPresent);
    if (missing > 0) {
        if (topDown)
            canvas.fillRows(int(rowsPresent), kOpaqueBlack);
        else
            std::fill(canvas.pixels(), canvas.row(missing), kOpaqueBlack);
    }
    return true;
}

// RLE rows run bottom-up; pixels skipped by a delta, or never reached, stay black.
bool decodeRle(std::span<const std::uint8_t> data, const Header& h, const Palette& palette, PixelCanvas& canvas)
{
    if (data.size() < 2)
        return false;
    canvas.fillRows(0, kOpaqueBlack);
    const bool four = h.compression == Rle4;
    const bool topDown = h.height < 0;
    const std::int64_t width = canvas.width(), height = canvas.height();
    std::int64_t x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (x < width && y < height)
            canvas.row(int(topDown ? y : height - 1 - y))[x] = palette[index & 0xff];
        ++x;
    };
    std::size_t i = 0;
    while (i + 1 < data.size() && y < height) {
        const unsigned count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned n = 0; n < count && x < width; ++n)
                put(four ? (n % 2 == 0 ? value >> 4 : value & 15) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // delta
            if (i + 1 >= data.size())
                break;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else { // a literal run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t available = std::min(bytes, data.size() - i);
            for (unsigned n = 0; n < value; ++n) {
                const std::size_t at = four ? n / 2 : n;
                if (at >= available)
                    break;
                put(four ? (n % 2 == 0 ? data[i + at] >> 4 : data[i + at] & 15) : data[i + at]);
            }
            i += (bytes + 1) / 2 * 2;
        }
    }
    return true;
}

} // namespace

bool DecodeBmp(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    Header h;
    if (!readHeader(file, h))
        return false;
    const std::size_t declaredOffset = u32(file.data() + 10);
    if (h.compression == Jpeg || h.compression == Png) {
        if (declaredOffset >= file.size())
            return false;
        const auto inner = file.subspan(declaredOffset);
        return h.compression == Jpeg ? DecodeJpeg(inner, canvas) : DecodePng(inner, canvas);
    }
    const std::int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || height <= 0 || h.width > 0x7fffffff || height > 0x7fffffff)
        return false;
    switch (h.compression) {
    case Rgb:
        if (h.bitCount != 1 && h.bitCount != 2 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16
            && h.bitCount != 24 && h.bitCount != 32)
            return false;
        break;
    case Rle8:
        if (h.bitCount != 8)
            return false;
        break;
    case Rle4:
        if (h.bitCount != 4)
            return false;
        break;
    case BitFields:
    case AlphaBitFields:
        if (h.bitCount != 16 && h.bitCount != 32)
            return false;
        break;
    default: return false;
    }
    const Layout layout = readLayout(file, h, declaredOffset);
    if (!canvas.allocate(int(h.width), int(height)))
        return false;
    const auto data = file.subspan(std::min(layout.pixelOffset, file.size()));
    if (h.compression == Rle8 || h.compression == Rle4)
        return decodeRle(data, h, layout.palette, canvas);
    return decodeUncompressed(data, h, layout.palette, canvas);
}
