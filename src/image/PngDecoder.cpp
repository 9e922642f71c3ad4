// SPDX-License-Identifier: GPL-3.0-or-later
// PNG through libpng, row by row into the canvas. Every colour type and depth is brought to 8-bit
// blue-green-red with a fourth byte; the alpha channel, which the page never shows, becomes 0xff.

#include "image/Decoders.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

struct Reader {
    std::span<const std::uint8_t> file;
    std::size_t offset = 0;
    bool pastEnd = false;
};

// libpng asks for compressed data in blocks of several kilobytes. When a file is cut short the last
// block comes back with what there is and zeros after it, so that the rows inside it still decode;
// the next read fails.
void readBytes(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    const std::size_t available = std::min<std::size_t>(length, reader->file.size() - reader->offset);
    if (available < length) {
        if (reader->pastEnd || available == 0)
            png_error(png, "file cut short");
        reader->pastEnd = true;
        std::memset(out + available, 0, length - available);
    }
    std::memcpy(out, reader->file.data() + reader->offset, available);
    reader->offset += available;
}

void onError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void makeOpaque(std::uint32_t* row, int width)
{
    for (int x = 0; x < width; ++x)
        row[x] |= 0xff000000u;
}

struct ReadStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadStruct() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// The rows read so far, kept outside the setjmp frame so a longjmp can't lose them.
struct Progress {
    int rowsDone = 0;
    bool interlaced = false;
    bool alpha = false;
};

bool readImage(std::span<const std::uint8_t> file, PixelCanvas& canvas, ReadStruct& rs, Progress& progress)
{
    Reader reader{file, 0};
    png_set_read_fn(rs.png, &reader, readBytes);
    // Ancillary chunks (text, profiles) are never used; a huge compressed one must not cost memory.
    png_set_chunk_malloc_max(rs.png, 8u << 20);
    png_set_keep_unknown_chunks(rs.png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    if (setjmp(png_jmpbuf(rs.png)))
        return false;
    png_read_info(rs.png, rs.info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(rs.png, rs.info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
    if (width > 0x7fffffff || height > 0x7fffffff || !canvas.allocate(int(width), int(height)))
        return false;

    if (depth == 16)
        png_set_scale_16(rs.png);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(rs.png);
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
        if (depth < 8)
            png_set_expand_gray_1_2_4_to_8(rs.png);
        png_set_gray_to_rgb(rs.png);
    }
    png_set_bgr(rs.png);
    png_set_filler(rs.png, 0xff, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(rs.png);
    png_read_update_info(rs.png, rs.info);
    if (png_get_rowbytes(rs.png, rs.info) != png_size_t(width) * 4)
        return false;
    // A transparency chunk turns a palette into colour plus alpha, so ask after the update.
    progress.alpha = (png_get_color_type(rs.png, rs.info) & PNG_COLOR_MASK_ALPHA) != 0;

    if (passes > 1) {
        // Later passes fill in between earlier rows; a file cut short leaves gaps, black here.
        progress.interlaced = true;
        canvas.fillRows(0, kOpaqueBlack);
        for (int pass = 0; pass < passes; ++pass) {
            for (int y = 0; y < canvas.height(); ++y)
                png_read_row(rs.png, reinterpret_cast<png_bytep>(canvas.row(y)), nullptr);
            progress.rowsDone = canvas.height(); // one full pass gives a complete (coarse) picture
        }
        if (progress.alpha)
            for (int y = 0; y < canvas.height(); ++y)
                makeOpaque(canvas.row(y), canvas.width());
    } else {
        for (int y = 0; y < canvas.height(); ++y) {
            png_read_row(rs.png, reinterpret_cast<png_bytep>(canvas.row(y)), nullptr);
            if (progress.alpha)
                makeOpaque(canvas.row(y), canvas.width());
            canvas.noteRow(y);
            progress.rowsDone = y + 1;
        }
    }
    return true;
}

} // namespace

bool DecodePng(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    ReadStruct rs;
    rs.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (!rs.png)
        return false;
    rs.info = png_create_info_struct(rs.png);
    if (!rs.info)
        return false;
    Progress progress;
    if (readImage(file, canvas, rs, progress))
        return true;
    // Damaged after some rows: show them above a black rest. Nothing decoded: a failure.
    if (progress.rowsDone == 0)
        return false;
    if (progress.interlaced) {
        if (progress.alpha)
            for (int y = 0; y < canvas.height(); ++y)
                makeOpaque(canvas.row(y), canvas.width());
    } else {
        canvas.fillRows(progress.rowsDone, kOpaqueBlack);
    }
    return true;
}
