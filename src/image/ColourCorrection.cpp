// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ColourCorrection.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define BV_BYTE_PERMUTE 1
#endif

ChannelRange FindChannelRange(const std::uint32_t* pixels, std::size_t count)
{
    // Most pages reach both 0 and 255 within their first rows, which settles the answer, so the pass
    // stops there instead of reading 35 MB to learn nothing.
    constexpr std::size_t kBlock = 16384;
    std::uint8_t lo = 255, hi = 0;
    std::size_t i = 0;
    while (i < count) {
        const std::size_t end = std::min(count, i + kBlock);
#if defined(__SSE2__)
        // The fourth byte is forced to 0xff in the minimum and to 0x00 in the maximum, so it never wins.
        const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
        __m128i vmin = _mm_set1_epi8(char(0xff)), vmax = _mm_setzero_si128();
        for (; i + 4 <= end; i += 4) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i));
            vmin = _mm_min_epu8(vmin, _mm_or_si128(v, alpha));
            vmax = _mm_max_epu8(vmax, _mm_andnot_si128(alpha, v));
        }
        alignas(16) std::uint8_t mins[16], maxs[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(mins), vmin);
        _mm_store_si128(reinterpret_cast<__m128i*>(maxs), vmax);
        for (int k = 0; k < 16; ++k) {
            lo = std::min(lo, mins[k]);
            hi = std::max(hi, maxs[k]);
        }
#endif
        for (; i < end; ++i) {
            const std::uint32_t p = pixels[i];
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint8_t v = std::uint8_t(p >> shift);
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        }
        if (lo == 0 && hi == 255)
            break;
    }
    return {lo, hi};
}

ColourTable NormalisationTable(ChannelRange range)
{
    ColourTable table{};
    if (range.min == range.max) {
        table[range.min] = range.min;
        return table;
    }
    const int span = range.max - range.min;
    for (int v = range.min; v <= range.max; ++v)
        table[std::size_t(v)] = std::uint8_t((v - range.min) * 255 / span);
    return table;
}

ColourTable ContrastTable(int contrastval)
{
    contrastval = std::clamp(contrastval, -127, 127);
    ColourTable table{};
    const double s = contrastval * (1.0 / 127);
    for (int i = 0; i < 256; ++i) {
        const float x = float(i * (1.0 / 255));
        float n = x <= 0.5f ? x : float(1 - x);
        if (n < 0)
            n = 0;
        const double k = s < 0 ? s + 1 : (s == 1 ? 127 : 1 / (1 - s));
        const double p = 0.5 * std::pow(2.0 * n, k);
        const double y = x > 0.5f ? 1 - p : p;
        table[std::size_t(i)] = std::uint8_t(int(255 * y + 0.5));
    }
    return table;
}

bool IsIdentity(const ColourTable& table)
{
    for (int v = 0; v < 256; ++v)
        if (table[std::size_t(v)] != v)
            return false;
    return true;
}

namespace {
#if defined(BV_BYTE_PERMUTE)
// The table looked up 64 bytes at a time where the processor can permute bytes across registers: each
// half of the table (entries 0..127, 128..255) answers from the low seven bits, the high bit picks the
// half. The fourth byte of each pixel is kept.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) std::size_t
applyColourTableVbmi(std::uint32_t* pixels, std::size_t count, const ColourTable& table)
{
    const __m512i t0 = _mm512_loadu_si512(table.data());
    const __m512i t1 = _mm512_loadu_si512(table.data() + 64);
    const __m512i t2 = _mm512_loadu_si512(table.data() + 128);
    const __m512i t3 = _mm512_loadu_si512(table.data() + 192);
    constexpr __mmask64 kFourthBytes = 0x8888888888888888ull;
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m512i v = _mm512_loadu_si512(pixels + i);
        const __m512i low = _mm512_permutex2var_epi8(t0, v, t1);
        const __m512i high = _mm512_permutex2var_epi8(t2, v, t3);
        const __m512i out = _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), low, high);
        _mm512_storeu_si512(pixels + i, _mm512_mask_blend_epi8(kFourthBytes, out, v));
    }
    return i;
}
#endif
} // namespace

void ApplyColourTable(std::uint32_t* pixels, std::size_t count, const ColourTable& table)
{
    std::size_t done = 0;
#if defined(BV_BYTE_PERMUTE)
    if (__builtin_cpu_supports("avx512vbmi"))
        done = applyColourTableVbmi(pixels, count, table);
#endif
    ApplyColourTablePortable(pixels + done, count - done, table);
}

void ApplyColourTablePortable(std::uint32_t* pixels, std::size_t count, const ColourTable& table)
{
    // One table a channel with the entries already in place, so a pixel is three loads and two ors;
    // two pixels a step keep the loads of one from waiting on the other's.
    std::array<std::uint32_t, 256> blue, green, red;
    for (std::size_t v = 0; v < 256; ++v) {
        blue[v] = table[v];
        green[v] = std::uint32_t(table[v]) << 8;
        red[v] = std::uint32_t(table[v]) << 16;
    }
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        const std::uint32_t p = pixels[i], q = pixels[i + 1];
        const std::uint32_t outP = (p & 0xff000000u) | red[(p >> 16) & 0xff] | green[(p >> 8) & 0xff] | blue[p & 0xff];
        const std::uint32_t outQ = (q & 0xff000000u) | red[(q >> 16) & 0xff] | green[(q >> 8) & 0xff] | blue[q & 0xff];
        pixels[i] = outP;
        pixels[i + 1] = outQ;
    }
    for (; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        pixels[i] = (p & 0xff000000u) | red[(p >> 16) & 0xff] | green[(p >> 8) & 0xff] | blue[p & 0xff];
    }
}

void ApplyNormalisation(std::uint32_t* pixels, std::size_t count, ChannelRange range)
{
#if defined(BV_BYTE_PERMUTE)
    // A table looked up by byte permutes beats the arithmetic below.
    if (__builtin_cpu_supports("avx512vbmi")) {
        ApplyColourTable(pixels, count, NormalisationTable(range));
        return;
    }
#endif
    ApplyNormalisationPortable(pixels, count, range);
}

void ApplyNormalisationPortable(std::uint32_t* pixels, std::size_t count, ChannelRange range)
{
    std::size_t i = 0;
    if (range.min < range.max) {
#if defined(__SSE2__)
        // out = (v - min) * 255 / span, exactly: q * (65280 / span) / 256 under-estimates by at most
        // one, which a multiply-back check corrects. Every byte v of a pixel lies in min..max, as the
        // range came from these pixels; the fourth byte is put back afterwards.
        const int span = range.max - range.min;
        const __m128i vmin = _mm_set1_epi8(char(range.min));
        const __m128i factor = _mm_set1_epi16(short(65280 / span));
        const __m128i divisor = _mm_set1_epi16(short(span));
        const __m128i k255 = _mm_set1_epi16(255);
        const __m128i one = _mm_set1_epi16(1);
        const __m128i zero = _mm_setzero_si128();
        const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
        auto half = [&](__m128i q) {
            const __m128i n = _mm_mullo_epi16(q, k255);
            __m128i r = _mm_mulhi_epu16(_mm_slli_epi16(q, 8), factor);
            const __m128i next = _mm_add_epi16(r, one);
            // next * span <= n  <=>  saturating (next * span - n) is 0
            const __m128i fits = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_mullo_epi16(next, divisor), n), zero);
            return _mm_sub_epi16(r, fits); // fits is all ones (-1) where r must grow by one
        };
        for (; i + 4 <= count; i += 4) {
            __m128i* at = reinterpret_cast<__m128i*>(pixels + i);
            const __m128i v = _mm_loadu_si128(at);
            const __m128i q = _mm_subs_epu8(v, vmin);
            const __m128i lo = half(_mm_unpacklo_epi8(q, zero));
            const __m128i hi = half(_mm_unpackhi_epi8(q, zero));
            const __m128i out = _mm_packus_epi16(lo, hi);
            _mm_storeu_si128(at, _mm_or_si128(_mm_andnot_si128(alpha, out), _mm_and_si128(v, alpha)));
        }
#endif
    }
    if (i < count)
        ApplyColourTablePortable(pixels + i, count - i, NormalisationTable(range));
}

void CorrectPageColours(std::uint32_t* pixels, std::size_t count, bool norm, int contrastval,
                        const ChannelRange* knownRange)
{
    ChannelRange range;
    bool stretch = false;
    if (norm) {
        range = knownRange ? *knownRange : FindChannelRange(pixels, count);
        stretch = !IsIdentity(NormalisationTable(range));
    }
    if (contrastval == 0) {
        if (stretch)
            ApplyNormalisation(pixels, count, range);
        return;
    }
    // Both corrections in one pass: contrast applies to the normalised value.
    ColourTable table = ContrastTable(contrastval);
    if (stretch) {
        const ColourTable normalise = NormalisationTable(range);
        ColourTable both{};
        for (int v = 0; v < 256; ++v)
            both[std::size_t(v)] = table[normalise[std::size_t(v)]];
        table = both;
    }
    if (!IsIdentity(table))
        ApplyColourTable(pixels, count, table);
}
