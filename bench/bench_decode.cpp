// SPDX-License-Identifier: GPL-3.0-or-later
// DecodePage against the reference decoders, each writing into memory it reuses:
//   tjDecompress2 to BGRX (what tjbench times), libpng to BGRX rows, giflib lines through the palette,
//   libwebp, libavif and libjxl decoding into a buffer of their own format.
// bench_decode [DATA_DIR] [benchmark flags]; DATA_DIR (default $PERFDATA, else /tmp/perfdata) holds
// gen_data.sh's page.jpg, page_prog.jpg, page.png, page.gif, and page_narrow.jpg (a page whose colours
// span 40..200, so normalisation has work to do), which bench/run.sh makes.

#include "image/DecodePage.h"

#include <avif/avif.h>
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <jxl/decode.h>
#include <jxl/decode_cxx.h>
#include <png.h>
#include <turbojpeg.h>
#include <webp/decode.h>

#include <QFile>
#include <QString>

#include <cstring>
#include <vector>

namespace {

QString g_dir;

std::vector<unsigned char> readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return std::vector<unsigned char>(b.begin(), b.end());
}

void turboJpeg(benchmark::State& state, const char* name)
{
    const std::vector<unsigned char> file = readAll(g_dir + name);
    tjhandle tj = tjInitDecompress();
    int w = 0, h = 0, sub = 0, cs = 0;
    if (file.empty() || tjDecompressHeader3(tj, file.data(), file.size(), &w, &h, &sub, &cs) != 0) {
        state.SkipWithError("no reference page");
        return;
    }
    std::vector<unsigned char> out(std::size_t(w) * h * 4);
    for (auto _ : state)
        if (tjDecompress2(tj, file.data(), file.size(), out.data(), w, w * 4, h, TJPF_BGRX, 0) != 0)
            state.SkipWithError(tjGetErrorStr2(tj));
    tjDestroy(tj);
}

struct PngSource {
    const std::vector<unsigned char>* file;
    std::size_t at;
};

void pngRead(png_structp png, png_bytep out, png_size_t n)
{
    auto* s = static_cast<PngSource*>(png_get_io_ptr(png));
    if (s->file->size() - s->at < n)
        png_error(png, "short");
    std::memcpy(out, s->file->data() + s->at, n);
    s->at += n;
}

void libpng(benchmark::State& state)
{
    const std::vector<unsigned char> file = readAll(g_dir + "page.png");
    std::vector<unsigned char> out;
    for (auto _ : state) {
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            png_destroy_read_struct(&png, &info, nullptr);
            break;
        }
        PngSource source{&file, 0};
        png_set_read_fn(png, &source, pngRead);
        png_read_info(png, info);
        const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
        png_set_bgr(png);
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        out.resize(std::size_t(w) * h * 4);
        for (png_uint_32 y = 0; y < h; ++y)
            png_read_row(png, out.data() + std::size_t(y) * w * 4, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
    }
}

struct GifSource {
    const std::vector<unsigned char>* file;
    std::size_t at;
};

int gifRead(GifFileType* gif, GifByteType* out, int n)
{
    auto* s = static_cast<GifSource*>(gif->UserData);
    const std::size_t k = std::min(std::size_t(n), s->file->size() - s->at);
    std::memcpy(out, s->file->data() + s->at, k);
    s->at += k;
    return int(k);
}

void giflib(benchmark::State& state)
{
    const std::vector<unsigned char> file = readAll(g_dir + "page.gif");
    std::vector<std::uint32_t> out;
    std::vector<GifPixelType> line;
    for (auto _ : state) {
        GifSource source{&file, 0};
        int error = 0;
        GifFileType* gif = DGifOpen(&source, gifRead, &error);
        GifRecordType type;
        while (gif && DGifGetRecordType(gif, &type) == GIF_OK && type != IMAGE_DESC_RECORD_TYPE) {
            int code;
            GifByteType* ext;
            DGifGetExtension(gif, &code, &ext);
            while (ext)
                DGifGetExtensionNext(gif, &ext);
        }
        if (!gif || DGifGetImageDesc(gif) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        const int w = gif->Image.Width, h = gif->Image.Height;
        const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
        std::uint32_t palette[256] = {};
        for (int i = 0; i < map->ColorCount; ++i)
            palette[i] = 0xff000000u | map->Colors[i].Red << 16 | map->Colors[i].Green << 8 | map->Colors[i].Blue;
        out.resize(std::size_t(w) * h);
        line.resize(std::size_t(w));
        for (int y = 0; y < h; ++y) {
            DGifGetLine(gif, line.data(), w);
            std::uint32_t* row = out.data() + std::size_t(y) * w;
            for (int x = 0; x < w; ++x)
                row[x] = palette[line[std::size_t(x)]];
        }
        DGifCloseFile(gif, &error);
    }
}

void libwebp(benchmark::State& state)
{
    const std::vector<unsigned char> file = readAll(g_dir + "page.webp");
    int w = 0, h = 0;
    if (file.empty() || !WebPGetInfo(file.data(), file.size(), &w, &h)) {
        state.SkipWithError("no page.webp");
        return;
    }
    std::vector<std::uint8_t> out(std::size_t(w) * h * 4);
    for (auto _ : state)
        if (!WebPDecodeBGRAInto(file.data(), file.size(), out.data(), out.size(), w * 4))
            state.SkipWithError("libwebp failed");
}

void libavif(benchmark::State& state)
{
    const std::vector<unsigned char> file = readAll(g_dir + "page.avif");
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        avifDecoder* decoder = avifDecoderCreate();
        decoder->maxThreads = 1;
        if (avifDecoderSetIOMemory(decoder, file.data(), file.size()) != AVIF_RESULT_OK
            || avifDecoderParse(decoder) != AVIF_RESULT_OK || avifDecoderNextImage(decoder) != AVIF_RESULT_OK) {
            state.SkipWithError("libavif failed");
            avifDecoderDestroy(decoder);
            break;
        }
        avifRGBImage rgb;
        avifRGBImageSetDefaults(&rgb, decoder->image);
        rgb.format = AVIF_RGB_FORMAT_BGRA;
        rgb.depth = 8;
        out.resize(std::size_t(rgb.width) * rgb.height * 4);
        rgb.pixels = out.data();
        rgb.rowBytes = rgb.width * 4;
        avifImageYUVToRGB(decoder->image, &rgb);
        avifDecoderDestroy(decoder);
    }
}

void libjxl(benchmark::State& state)
{
    const std::vector<unsigned char> file = readAll(g_dir + "page.jxl");
    std::vector<std::uint8_t> out;
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    for (auto _ : state) {
        JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
        JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_FULL_IMAGE);
        JxlDecoderSetInput(decoder.get(), file.data(), file.size());
        JxlDecoderCloseInput(decoder.get());
        for (bool done = false; !done;) {
            switch (JxlDecoderProcessInput(decoder.get())) {
            case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
                std::size_t size = 0;
                JxlDecoderImageOutBufferSize(decoder.get(), &format, &size);
                out.resize(size);
                JxlDecoderSetImageOutBuffer(decoder.get(), &format, out.data(), size);
                break;
            }
            case JXL_DEC_FULL_IMAGE: done = true; break;
            default: state.SkipWithError("libjxl failed"); done = true;
            }
        }
    }
}

void decodePage(benchmark::State& state, const char* name, bool norm, int contrast, QSize fitWithin = {})
{
    const QString path = g_dir + name;
    PageImage record; // one record across iterations, as the viewer keeps its current page
    for (auto _ : state)
        if (!DecodePage(record, path, false, {norm, contrast}, fitWithin))
            state.SkipWithError("DecodePage failed");
}

void decodePageFreshRecord(benchmark::State& state, const char* name)
{
    const QString path = g_dir + name;
    for (auto _ : state) {
        PageImage record; // new memory every time: the first-touch cost shows
        if (!DecodePage(record, path, false, {false, 0}))
            state.SkipWithError("DecodePage failed");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && argv[1][0] != '-') {
        g_dir = QString::fromLocal8Bit(argv[1]) + '/';
        argv[1] = argv[0];
        --argc;
        ++argv;
    } else {
        g_dir = qEnvironmentVariable("PERFDATA", QStringLiteral("/tmp/perfdata")) + '/';
    }
    auto add = [](const char* name, auto fn) {
        // CPU time of this (single-threaded) process, page faults included: on a shared machine the
        // wall clock mostly measures the neighbours.
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->MinTime(1.5);
    };
    add("ref/tjDecompress2/jpeg", [](benchmark::State& s) { turboJpeg(s, "page.jpg"); });
    add("DecodePage/jpeg/plain", [](benchmark::State& s) { decodePage(s, "page.jpg", false, 0); });
    add("DecodePage/jpeg/norm", [](benchmark::State& s) { decodePage(s, "page.jpg", true, 0); });
    add("DecodePage/jpeg/norm+contrast", [](benchmark::State& s) { decodePage(s, "page.jpg", true, 40); });
    add("ref/tjDecompress2/jpeg_narrow", [](benchmark::State& s) { turboJpeg(s, "page_narrow.jpg"); });
    add("DecodePage/jpeg_narrow/norm", [](benchmark::State& s) { decodePage(s, "page_narrow.jpg", true, 0); });
    // The page fitted within 800 pixels (a view's fitted page, a large thumbnail): DCT scaling to 1/4,
    // then a last reduction; the same for a decoder that can't scale (PNG) and for libwebp's scaler.
    add("DecodePage/jpeg/norm_fit800", [](benchmark::State& s) { decodePage(s, "page.jpg", true, 0, {800, 800}); });
    add("DecodePage/png/norm_fit800", [](benchmark::State& s) { decodePage(s, "page.png", true, 0, {800, 800}); });
    add("DecodePage/webp/plain_fit800", [](benchmark::State& s) { decodePage(s, "page.webp", false, 0, {800, 800}); });
    add("DecodePage/jpeg/plain_fresh_record", [](benchmark::State& s) { decodePageFreshRecord(s, "page.jpg"); });
    add("ref/tjDecompress2/jpeg_prog", [](benchmark::State& s) { turboJpeg(s, "page_prog.jpg"); });
    add("DecodePage/jpeg_prog/plain", [](benchmark::State& s) { decodePage(s, "page_prog.jpg", false, 0); });
    add("DecodePage/jpeg_prog/norm", [](benchmark::State& s) { decodePage(s, "page_prog.jpg", true, 0); });
    add("ref/libpng/png", libpng);
    add("DecodePage/png/plain", [](benchmark::State& s) { decodePage(s, "page.png", false, 0); });
    add("DecodePage/png/norm", [](benchmark::State& s) { decodePage(s, "page.png", true, 0); });
    add("ref/giflib/gif", giflib);
    add("DecodePage/gif/plain", [](benchmark::State& s) { decodePage(s, "page.gif", false, 0); });
    add("DecodePage/gif/norm", [](benchmark::State& s) { decodePage(s, "page.gif", true, 0); });
    add("ref/libwebp/webp", libwebp);
    add("DecodePage/webp/plain", [](benchmark::State& s) { decodePage(s, "page.webp", false, 0); });
    add("ref/libavif/avif", libavif);
    add("DecodePage/avif/plain", [](benchmark::State& s) { decodePage(s, "page.avif", false, 0); });
    add("ref/libjxl/jxl", libjxl);
    add("DecodePage/jxl/plain", [](benchmark::State& s) { decodePage(s, "page.jxl", false, 0); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
