#include "book/ColourCorrection.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
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

void ApplyColourTable(std::uint32_t* pixels, std::size_t count, const ColourTable& table)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        pixels[i] = (p & 0xff000000u) | std::uint32_t(table[(p >> 16) & 0xff]) << 16 |
                    std::uint32_t(table[(p >> 8) & 0xff]) << 8 | table[p & 0xff];
    }
}

void ApplyNormalisation(std::uint32_t* pixels, std::size_t count, ChannelRange range)
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
        ApplyColourTable(pixels + i, count - i, NormalisationTable(range));
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
