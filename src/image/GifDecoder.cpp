// SPDX-License-Identifier: GPL-3.0-or-later
// GIF through giflib: the first frame only, on a canvas the size of the logical screen.

#include "image/Decoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

struct Reader {
    std::span<const std::uint8_t> file;
    std::size_t offset = 0;
    bool pastEnd = false;
};

// giflib reads image data in sub-blocks of up to 255 bytes and drops a sub-block that comes back
// short. When a file is cut short the last one comes back with what there is and zeros after it, so
// that the rows inside it still decode; the next read fails.
int readBytes(GifFileType* gif, GifByteType* out, int length)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t wanted = std::size_t(std::max(length, 0));
    const std::size_t n = std::min(wanted, reader->file.size() - reader->offset);
    if (n < wanted) {
        if (reader->pastEnd || n == 0)
            return 0;
        reader->pastEnd = true;
        std::memset(out + n, 0, wanted - n);
    }
    if (n > 0)
        std::memcpy(out, reader->file.data() + reader->offset, n);
    reader->offset += n;
    return int(wanted);
}

struct GifFile {
    GifFileType* gif = nullptr;
    ~GifFile()
    {
        if (gif)
            DGifCloseFile(gif, nullptr);
    }
};

using Palette = std::array<std::uint32_t, 256>;

// Indices beyond the colour map (or a frame without any map) show black.
Palette paletteOf(const ColorMapObject* map)
{
    Palette palette;
    palette.fill(kOpaqueBlack);
    if (map && map->Colors) {
        const int count = std::min(map->ColorCount, 256);
        for (int i = 0; i < count; ++i)
            palette[i] = bgra(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    }
    return palette;
}

// Skips extension blocks up to the first image descriptor. False when the file ends first.
bool findFirstFrame(GifFileType* gif)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type != EXTENSION_RECORD_TYPE)
            return false; // the trailer: a GIF without a frame
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
            return false;
        while (block)
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return false;
    }
}

} // namespace

bool DecodeGif(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    Reader reader{file, 0};
    GifFile f;
    int error = 0;
    f.gif = DGifOpen(&reader, readBytes, &error);
    if (!f.gif || !findFirstFrame(f.gif))
        return false;
    GifFileType* gif = f.gif;
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0 || frame.Height <= 0 || frame.Left < 0 || frame.Top < 0)
        return false;
    // A frame reaching past the logical screen widens the canvas rather than being cut.
    const int width = std::max(gif->SWidth, frame.Left + frame.Width);
    const int height = std::max(gif->SHeight, frame.Top + frame.Height);
    if (!canvas.allocate(width, height))
        return false;

    const Palette palette = paletteOf(frame.ColorMap ? frame.ColorMap : gif->SColorMap);
    std::uint32_t background = kOpaqueBlack;
    if (gif->SColorMap && gif->SBackGroundColor >= 0 && gif->SBackGroundColor < 256)
        background = paletteOf(gif->SColorMap)[gif->SBackGroundColor];
    const bool coversCanvas = frame.Left == 0 && frame.Top == 0 && frame.Width == width && frame.Height == height;
    // Interlaced rows arrive out of order; a file cut short then leaves holes, so fill first.
    if (!coversCanvas || frame.Interlace)
        canvas.fillRows(0, background);

    std::vector<GifPixelType> line(std::size_t(frame.Width));
    auto putRow = [&](int y) {
        std::uint32_t* out = canvas.row(frame.Top + y) + frame.Left;
        for (int x = 0; x < frame.Width; ++x)
            out[x] = palette[line[std::size_t(x)]];
    };
    if (frame.Interlace) {
        static constexpr int kStart[] = {0, 4, 2, 1};
        static constexpr int kStep[] = {8, 8, 4, 2};
        bool any = false;
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kStart[pass]; y < frame.Height; y += kStep[pass]) {
                if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                    return any;
                putRow(y);
                any = true;
            }
        return true;
    }
    for (int y = 0; y < frame.Height; ++y) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
            // Cut short: what arrived stays, the rest of the frame is background.
            if (y == 0)
                return false;
            if (coversCanvas)
                canvas.fillRows(y, background);
            return true;
        }
        putRow(y);
        canvas.noteRow(frame.Top + y);
    }
    return true;
}
